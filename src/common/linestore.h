#pragma once
// A hidden multi-line text store: the lesson, the word list, the code books and the
// settings are held in these. Lines are byte texts; the whole text joins them with
// CR LF as they were loaded.
#include "common/bytetext.h"

#include <string>
#include <vector>

class LineStore {
public:
    // Files larger than this are refused with a message instead of filling memory.
    static constexpr long long kMaxFileBytes = 64LL * 1024 * 1024;

    // Texts are GB18030; a damaged one (cut off in a character, or bytes that are no
    // GB18030) is refused as a whole, or the page would show every later character
    // shifted by a byte. Raw files hold only ASCII that is read as it stands.
    enum class Check { Gb18030, Raw };

    void clear();
    // Replaces the content by the file's; CR LF, CR and LF each end a line.
    // Throws JaxoError("Cannot open file <path>") when it cannot be read, and a message
    // naming the file and the offset of its first bad byte when it is damaged; the
    // content is then left as it was.
    void loadFile(const std::string& path, Check check = Check::Gb18030);
    // For a text to practise on, read from path: the damage message when it holds
    // nothing to type (empty, or only blanks and line breaks) or a line longer than
    // maxLineBytes, which no screen shows; empty when it is fit.
    QString practiceProblem(const std::string& path, long long maxLineBytes) const;
    void loadText(std::string_view text);
    // The file's bytes, with the errors of loadFile.
    static ByteText readFile(const std::string& path);
    // The errors readFile would throw for a file that cannot be opened or is too
    // large, without reading it.
    static void checkReadable(const std::string& path);
    // What text() holds after loadText(in): every line break (CR LF, CR or LF) as CR LF.
    static ByteText joinedText(ByteText in);
    void appendLine(std::string_view line);
    // Writes every line followed by CR LF, through a new file that then replaces the
    // old one; in place when only the file, not its folder, may be written.
    // Throws JaxoError("Cannot create file <path>").
    void saveToFile(const std::string& path) const;

    // Line n counting from 0; the empty text beyond the end.
    ByteText line(long long n) const;
    int count() const { return static_cast<int>(lines_.size()); }
    // The whole text: the lines joined by CR LF, with a final CR LF when the loaded
    // text ended with a line break (or after appended lines).
    const ByteText& text() const { return text_; }
    // 0-based byte offset of the first occurrence, or -1.
    int find(std::string_view needle) const;

private:
    ByteText text_;
    std::vector<ByteText> lines_;
};
