list(APPEND JAXO_GUI_SOURCES
  src/app/services.cpp
  src/app/aboutbox.cpp
  src/app/mainwindow.cpp
  src/app/splash.cpp
  src/app/welcome.cpp
  src/app/today.cpp
)
