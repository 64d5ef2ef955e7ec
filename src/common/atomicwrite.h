#pragma once
// Writing a whole file or nothing: the bytes go to a new file beside the target, which
// replaces the target only when every byte reached the disk. Every file the program
// writes goes through here.
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace atomicwrite {

struct Options {
    // Where no new file can be made beside the target (a folder the user may write
    // files in but not create them), write the target in place instead. Off: a failure.
    bool directWriteFallback = false;
    // Permissions of the new file; unset keeps those of the file it replaces, and makes
    // a file that did not exist the user's alone (0600).
    std::optional<QFileDevice::Permissions> permissions;
};

// Writes data to path. On failure the file is left as it was, the result is false and
// error (when given) holds "Cannot create file <path>".
bool write(const QString& path, QByteArrayView data, QString* error = nullptr, const Options& options = {});

// Makes folder and the missing folders above it, each the user's alone (0700); folders
// that exist are left as they are. False, with the system's reason, on failure.
bool makeFolder(const QString& folder, QString* error = nullptr);

}  // namespace atomicwrite
