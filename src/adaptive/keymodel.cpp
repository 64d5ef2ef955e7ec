#include "adaptive/keymodel.h"

#include "common/randomsource.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace adaptive {

Model::Model(std::vector<std::string> order, int starting)
    : order_(std::move(order)), stats_(order_.size()),
      starting_(std::clamp(starting, 1, std::max(1, static_cast<int>(order_.size())))), inPlay_(starting_) {}

int Model::indexOf(std::string_view item) const {
    const auto it = std::find(order_.begin(), order_.end(), item);
    return it == order_.end() ? -1 : static_cast<int>(it - order_.begin());
}

void Model::record(std::string_view item, bool right, int intervalMs) {
    const int i = indexOf(item);
    if (i < 0) return;
    ItemStats& s = stats_[static_cast<size_t>(i)];
    const double miss = right ? 0.0 : 1.0;
    s.errorRate = s.typed == 0 ? miss : s.errorRate + kSmoothing * (miss - s.errorRate);
    ++s.typed;
    // Only a right stroke after a right one has a time worth keeping.
    if (!right || intervalMs <= 0 || intervalMs > kLongestInterval) return;
    s.msPerItem = s.timed == 0 ? intervalMs : s.msPerItem + kSmoothing * (intervalMs - s.msPerItem);
    ++s.timed;
}

int Model::reachedCount(const Targets& t) const {
    int n = 0;
    for (int i = 0; i < inPlay_; ++i)
        if (reached(stats(i), t)) ++n;
    return n;
}

Model::Draw::Draw(const Model& model, const Targets& t) {
    for (int i = 0; i < model.inPlay(); ++i) {
        const int w = 1 + static_cast<int>((1.0 - model.progress(model.stats(i), t)) * 4 + 0.5);
        weights_.push_back(w);
        total_ += w;
    }
}

int Model::Draw::next(RandomSource& random) const {
    int r = random.next() % total_;
    int pick = 0;
    while (r >= weights_[static_cast<size_t>(pick)]) r -= weights_[static_cast<size_t>(pick++)];
    return pick;
}

bool Model::reached(const ItemStats& s, const Targets& t) const {
    return s.timed >= kMinSamples && s.charsPerMinute() >= t.charsPerMinute && s.accuracyPercent() >= t.accuracyPercent;
}

double Model::progress(const ItemStats& s, const Targets& t) const {
    if (reached(s, t)) return 1.0;
    if (s.timed == 0) return 0.0;
    const double speed = std::min(1.0, s.charsPerMinute() / std::max(1, t.charsPerMinute));
    const double accuracy = std::min(1.0, (1.0 - s.errorRate) * 100.0 / std::max(1, t.accuracyPercent));
    // Just short of 1 until it is reached (a key with too few strokes to tell), so
    // that the bar never looks done too soon.
    return std::min(0.99, speed * accuracy);
}

bool Model::unlockIfReady(const Targets& t) {
    if (inPlay_ >= size()) return false;
    for (int i = 0; i < inPlay_; ++i)
        if (!reached(stats_[static_cast<size_t>(i)], t)) return false;
    ++inPlay_;
    return true;
}

const std::string& Model::focus(const Targets& t) const {
    int best = 0;
    double lowest = 2.0;
    for (int i = 0; i < inPlay_; ++i) {
        const double p = progress(stats_[static_cast<size_t>(i)], t);
        if (p <= lowest) {
            lowest = p;
            best = i;
        }
    }
    return order_[static_cast<size_t>(best)];
}

std::string Model::save() const {
    std::ostringstream out;
    out << "in-play " << inPlay_ << '\n';
    for (size_t i = 0; i < order_.size(); ++i) {
        const ItemStats& s = stats_[i];
        if (s.typed == 0) continue;
        out << "item " << order_[i] << ' ' << std::lround(s.msPerItem * 10) << ' ' << std::lround(s.errorRate * 10000) << ' '
            << s.timed << ' ' << s.typed << '\n';
    }
    return out.str();
}

void Model::load(std::string_view text) {
    const auto number = [](std::string_view field, long long& value) {
        const auto r = std::from_chars(field.data(), field.data() + field.size(), value);
        return r.ec == std::errc() && r.ptr == field.data() + field.size() && value >= 0;
    };
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        std::vector<std::string_view> fields;
        while (!line.empty()) {
            const size_t sp = std::min(line.find(' '), line.size());
            if (sp > 0) fields.push_back(line.substr(0, sp));
            line.remove_prefix(std::min(sp + 1, line.size()));
        }
        long long v[4] = {};
        if (fields.size() == 2 && fields[0] == "in-play" && number(fields[1], v[0])) {
            inPlay_ = static_cast<int>(std::clamp<long long>(v[0], starting_, size()));
        } else if (fields.size() == 6 && fields[0] == "item") {
            const int i = indexOf(fields[1]);
            bool ok = i >= 0;
            for (int k = 0; ok && k < 4; ++k) ok = number(fields[2 + static_cast<size_t>(k)], v[k]);
            if (!ok || v[1] > 10000 || v[2] > v[3] || v[3] > 1'000'000'000) continue;
            ItemStats& s = stats_[static_cast<size_t>(i)];
            s.msPerItem = static_cast<double>(v[0]) / 10.0;
            s.errorRate = static_cast<double>(v[1]) / 10000.0;
            s.timed = static_cast<int>(v[2]);
            s.typed = static_cast<int>(v[3]);
            if (s.timed > 0 && s.msPerItem <= 0) s = {};
        }
    }
}

}  // namespace adaptive
