#pragma once
// The learner's own lessons, one file each in $XDG_DATA_HOME/jaxo/lessons/ (0700):
//
//   jaxo-lesson=1
//   kind=chinese            (chinese, english or words)
//   title=<the lesson's name, one line>
//   <an empty line>
//   <the text; a word list has "word<TAB>meaning" per line>
//
// UTF-8 without a byte order mark, lines ending in LF. An exported lesson is this file.
#include "owntexts/owntext.h"

#include <QList>
#include <QString>

#include <optional>

namespace owntexts {

struct LessonInfo {
    QString file;  // the full path
    QString title;
    Kind kind = Kind::Chinese;
    qint64 bytes = 0;
};

struct Lesson {
    QString title;
    Kind kind = Kind::Chinese;
    QString body;
};

// The file's bytes for a lesson, and the lesson back from them; none (with the reason
// in *why) when they are no lesson file.
QByteArray serialize(const Lesson& lesson);
std::optional<Lesson> parse(QByteArrayView data, QString* why = nullptr);

class Library {
public:
    // Lessons larger than this are refused: a long novel is 1 to 3 MB.
    static constexpr qint64 kMaxBytes = 16LL * 1024 * 1024;

    explicit Library(QString folder = defaultFolder());
    static QString defaultFolder();
    const QString& folder() const { return folder_; }

    // Every lesson by title, read from the head of each file only; files that are no
    // lesson are left out.
    QList<LessonInfo> list() const;
    std::optional<Lesson> load(const QString& file, QString* error) const;

    // A new file for the lesson; its title made unique among the others. The path in *file.
    bool add(Lesson lesson, QString* error, QString* file = nullptr);
    bool rename(const QString& file, const QString& title, QString* error);
    bool remove(const QString& file, QString* error);
    bool exportTo(const QString& file, const QString& target, QString* error) const;
    // A lesson file from elsewhere, checked and prepared as an import of its text is.
    bool importFrom(const QString& path, QString* error, QString* file = nullptr);

    // The title, trimmed and on one line, with " (2)", " (3)"... when another lesson has it.
    QString uniqueTitle(const QString& title, const QString& exceptFile = {}) const;

private:
    bool write(const QString& file, const Lesson& lesson, QString* error) const;
    QString folder_;
};

}  // namespace owntexts
