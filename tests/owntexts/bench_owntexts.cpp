// Own texts on a novel of 1 MB: each step from the file's bytes to the lesson the page
// takes, and the list of lessons. Prints wall-clock figures; run by hand.
#include "chinese/chinesecheck.h"
#include "chinese/codebook.h"
#include "owntexts/library.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>
#include <functional>

using namespace owntexts;

namespace {
double ms(const std::function<void()>& step) {
    QElapsedTimer t;
    t.start();
    step();
    return double(t.nsecsElapsed()) / 1e6;
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString line = QStringLiteral("春眠不觉晓，处处闻啼鸟。夜来风雨声，花落知多少。The end, 1 2 3.");
    const QString verse = line + QLatin1Char('\n');
    const QString novel = verse.repeated(1024 * 1024 / verse.toUtf8().size() + 1);
    const QByteArray data = novel.toUtf8();
    CodeBook book;
    book.loadFile(JAXO_BUILD_APPDIR "/jaxo.sy1");
    const chinese::CodeBooks books{&book, &book, &book, &book};
    QTemporaryDir dir;
    Library library(dir.path());

    std::optional<Encoding> e;
    std::optional<QString> text;
    Prepared p;
    QString file;
    std::optional<Lesson> loaded;
    std::printf("novel: %lld bytes of UTF-8\n", static_cast<long long>(data.size()));
    std::printf("detect the encoding: %.1f ms\n", ms([&] { e = detect(data); }));
    std::printf("decode: %.1f ms\n", ms([&] { text = decode(data, *e); }));
    std::printf("guess the kind: %.1f ms\n", ms([&] { (void)guessKind(*text); }));
    (void)book.find("a");  // the book's index is built at its first search
    std::printf("prepare as Chinese, with the code look-up: %.1f ms\n", ms([&] { p = prepare(*text, Kind::Chinese, &books); }));
    std::printf("save: %.1f ms\n", ms([&] { library.add({QStringLiteral("小说"), Kind::Chinese, p.body}, nullptr, &file); }));
    for (int i = 0; i < 50; ++i) library.add({QStringLiteral("短文"), Kind::English, QStringLiteral("abc")}, nullptr);
    std::printf("list 51 lessons: %.1f ms\n", ms([&] { (void)library.list(); }));
    std::printf("load the novel to start it: %.1f ms\n", ms([&] { loaded = library.load(file, nullptr); }));
    ByteText lesson;
    std::printf("its text for the page: %.1f ms\n", ms([&] { lesson = lessonText(loaded->body, loaded->kind); }));

    // The key path: a character committed into the page's line, on the novel and on its
    // first 10 KB, with the hints at the caret. Pages turn as lines fill.
    for (const size_t size : {size_t(10 * 1024), lesson.size()}) {
        const std::string_view part(lesson.data(), size);
        chinese::Page page;
        page.lessonSize = static_cast<int>(size);
        chinese::fillPage(page, part);
        chinese::HintBar hints;
        ExerciseScore score;
        std::vector<double> each;
        for (int key = 0; key < 20000; ++key) {
            const int k = page.writable;
            const ByteText typed = page.input[k] + page.text[k].substr(page.input[k].size(), 2);
            each.push_back(ms([&] {
                chinese::lineChanged(page, hints, score, part, books, k, typed, static_cast<int>(typed.size()));
            }));
        }
        std::sort(each.begin(), each.end());
        std::printf("a committed character on a lesson of %zu bytes: median %.1f us, 99th percentile %.1f us\n", size,
                    each[each.size() / 2] * 1000, each[each.size() * 99 / 100] * 1000);
    }
    return 0;
}
