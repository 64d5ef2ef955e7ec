#pragma once
// The vocabulary drill's rules: which entry is on show, how an answer is judged and
// counted, the clock and the time limit. The panel only shows what this holds.
#include "exercise/exercisescore.h"
#include "settings/settings.h"
#include "common/bytetext.h"

#include <string>
#include <vector>

class LineStore;
class RandomSource;

class WordDrill {
public:
    enum class Mark { None, Right, Wrong };

    // `list` holds the lines of the word list (the main window's lessonStore).
    WordDrill(ExerciseScore& score, const Settings& settings, const LineStore& list, RandomSource& random);

    // A new drill over the list already loaded: titles, clock start, a random entry,
    // counts reset. Music must be chosen before, as it draws from the same source.
    void start(std::int64_t startMs, const ByteText& lessonTitle);

    // Line lessonPos on show; a line without "*" leaves word and meaning as they were.
    void showWordLine();

    // Enter: takes the answer, moves on (wrapping to the second line, not the first),
    // then judges the answer against the word that was on show.
    Mark answer(const ByteText& typed);

    // Any key down in the answer line takes the last mark away.
    void clearMark() { mark_ = Mark::None; }

    // The one-second tick at nowMs (Clock::msecs()): the clock text. True once the drill
    // has reached its limit.
    bool tick(std::int64_t nowMs);

    // The drill ends: the report reads the time of the last tick.
    void finish();

    bool running() const { return running_; }
    const ByteText& word() const { return word_; }
    const ByteText& meaning() const { return meaning_; }
    Mark mark() const { return mark_; }
    const ByteText& clockText() const { return clockText_; }

private:
    ExerciseScore& s_;
    const Settings& settings_;
    const LineStore& list_;
    RandomSource& random_;
    // The texts on the word and meaning labels: they outlive a drill until next set.
    ByteText word_;
    ByteText meaning_;
    Mark mark_ = Mark::None;
    ByteText clockText_ = "0:00:00";
    bool running_ = false;
    int lessonSize = 0;  // lines of the list
    int lessonPos = 0;   // the line on show, 0-based
};

// A word list of the given words, most-missed first, each with its meaning from the
// program's word lists (none where no list has it). The drill's first line is reached
// only by its random start, so the first word comes twice and every word is asked
// in turn. Empty without words; a list that cannot be read gives no meanings.
ByteText weakWordList(const std::vector<ByteText>& words, const std::string& appDir);
