# Code books, drill lessons and texts of the input schemes beside Wubi, each in its own
# folder scheme/<id>/ of the data folder, under the file names the Wubi ones have.
# Traditional schemes get the pinyin table, the exclusions and the articles converted
# by OpenCC, so that their lessons are in the script their learners read.
add_executable(schemegen schemegen.cpp)

set(JAXO_RIME_DIR /usr/share/rime-data CACHE PATH "Folder of the Rime tables of the schemes")
foreach(t pinyin_simp:rime-data-pinyin-simp cangjie5:rime-data-cangjie5 terra_pinyin:rime-data-terra-pinyin)
  string(REPLACE ":" ";" t ${t})
  list(GET t 0 table)
  list(GET t 1 package)
  if(NOT EXISTS ${JAXO_RIME_DIR}/${table}.dict.yaml)
    jaxo_missing("The table ${JAXO_RIME_DIR}/${table}.dict.yaml" ${package})
  endif()
endforeach()
find_program(JAXO_OPENCC opencc)
if(NOT JAXO_OPENCC)
  jaxo_missing("OpenCC (opencc)" opencc)
endif()

set(schemes_work ${CMAKE_CURRENT_BINARY_DIR}/schemes)
file(MAKE_DIRECTORY ${schemes_work})
set(pinyin_table ${JAXO_RIME_DIR}/pinyin_simp.dict.yaml)
set(exclusions ${CMAKE_SOURCE_DIR}/data/chinese/lesson_exclusions.txt)

# One OpenCC conversion of a file into the work folder.
function(jaxo_opencc config in out)
  add_custom_command(OUTPUT ${schemes_work}/${out}
    COMMAND ${JAXO_OPENCC} -c ${config}.json -i ${in} -o ${schemes_work}/${out}
    DEPENDS ${in}
    COMMENT "OpenCC ${config}: ${out}")
endfunction()
foreach(config s2t s2tw)
  jaxo_opencc(${config} ${pinyin_table} pinyin-${config}.yaml)
  jaxo_opencc(${config} ${exclusions} exclusions-${config}.txt)
  foreach(text clesson ctest)
    jaxo_opencc(${config} ${CMAKE_SOURCE_DIR}/data/chinese/${text}.txt ${text}-${config}.txt)
  endforeach()
endforeach()

# scheme id, script (s: simplified, s2t or s2tw), code table (- for none)
set(scheme_rows
  "pinyin s -"
  "shuangpin-xiaohe s -"
  "shuangpin-ziranma s -"
  "cangjie5 s2t ${JAXO_RIME_DIR}/cangjie5.dict.yaml"
  "quick5 s2t ${JAXO_RIME_DIR}/cangjie5.dict.yaml"
  "zhuyin s2tw ${JAXO_RIME_DIR}/terra_pinyin.dict.yaml")
foreach(row ${scheme_rows})
  string(REPLACE " " ";" row ${row})
  list(GET row 0 id)
  list(GET row 1 script)
  list(GET row 2 codes)
  set(dir ${JAXO_APPDIR}/scheme/${id})
  set(outputs)
  foreach(f jaxo.sy1 jaxo2.sy2 jaxo3.sy3 jaxo4.sy4 gpz.jxo ezcz.jxo shzcz.jxo szcz.jxo)
    list(APPEND outputs ${dir}/${f})
  endforeach()
  if(script STREQUAL "s")
    set(words ${pinyin_table})
    set(excl ${exclusions})
  else()
    set(words ${schemes_work}/pinyin-${script}.yaml)
    set(excl ${schemes_work}/exclusions-${script}.txt)
  endif()
  set(code_dep)
  if(NOT codes STREQUAL "-")
    set(code_dep ${codes})
  endif()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND schemegen ${id} ${dir} ${words} ${codes} ${excl}
    DEPENDS schemegen ${words} ${excl} ${code_dep}
    COMMENT "Code books and drill lessons of the scheme ${id}")
  list(APPEND JAXO_RUNTIME_FILES ${outputs})
  # The articles and the test text, in the scheme's script.
  foreach(text clesson ctest)
    if(script STREQUAL "s")
      set(src ${CMAKE_SOURCE_DIR}/data/chinese/${text}.txt)
    else()
      set(src ${schemes_work}/${text}-${script}.txt)
    endif()
    add_custom_command(OUTPUT ${dir}/${text}.txt
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND textgen zh-lesson ${src} ${dir}/${text}.txt
      DEPENDS textgen ${src}
      COMMENT "Generating scheme/${id}/${text}.txt")
    list(APPEND JAXO_RUNTIME_FILES ${dir}/${text}.txt)
  endforeach()
endforeach()
