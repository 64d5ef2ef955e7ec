#include "schemedrill/schemekeypanel.h"

#include "adaptive/adaptivefiles.h"
#include "common/errors.h"
#include "common/platform.h"
#include "exercise/exerciseclock.h"
#include "exercise/exercisehost.h"
#include "schemedrill/adaptivekeys.h"
#include "schemedrill/schemechartview.h"
#include "sound/music.h"
#include "widgets/access.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/keylineedit.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <optional>
#include <utility>

namespace {
// The keys of an answer as the learner reads them on the keyboard; spoken, the
// punctuation keys by name, which a screen reader may otherwise pass over.
QString keyNames(const QString& keys, bool spoken = false) {
    QStringList names;
    for (const QChar c : keys) {
        const char* name = !spoken    ? nullptr
                           : c == u',' ? QT_TRANSLATE_NOOP("SchemeKeyPanel", "逗号")
                           : c == u'.' ? QT_TRANSLATE_NOOP("SchemeKeyPanel", "句号")
                           : c == u';' ? QT_TRANSLATE_NOOP("SchemeKeyPanel", "分号")
                           : c == u'/' ? QT_TRANSLATE_NOOP("SchemeKeyPanel", "斜杠")
                           : c == u'-' ? QT_TRANSLATE_NOOP("SchemeKeyPanel", "减号")
                                       : nullptr;
        names << (name ? SchemeKeyPanel::tr(name) : QString(c).toUpper());
    }
    return names.join(QLatin1Char(' '));
}
}  // namespace

SchemeKeyPanel::SchemeKeyPanel(ExerciseHost& host, QWidget* parent)
    : QFrame(parent), host_(host), run_(host, *this, "jwtimerctr", [this] { onTimer(); }),
      drill_(run_.score(), host.settings(), host.random()) {
    setObjectName(QStringLiteral("jwform"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFont(fonts::song(11));
    setGeometry(90, 70, 636, 440);

    run_.placeCaptions({"jwtime2", "jwtime1", QPoint(280, 12)}, {"jwzuang1", "jwzuang1a", QPoint(30, 12)},
                       {"jwzuang2", "jwzuang2a", QPoint(30, 38)});

    row_ = new QLabel(this);
    row_->setObjectName(QStringLiteral("jwrow"));
    row_->setTextFormat(Qt::RichText);
    row_->setGeometry(24, 66, 590, 84);
    row_->setAlignment(Qt::AlignCenter);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("jwhint"));
    hint_->setFont(fonts::song(11));
    hint_->setGeometry(30, 156, 490, 36);
    hint_->setWordWrap(true);

    // Below the visible part of the panel: it only takes the keys.
    input_ = new KeyLineEdit(this);
    input_->setObjectName(QStringLiteral("jwput"));
    input_->setGeometry(80, 700, 30, 30);
    input_->setLatinOnly(true);
    input_->setAccessibleName(tr("键位输入"));
    input_->onKeyPress = [this](QKeyEvent* e, int ch) { return inputKeyPress(e, ch); };
    // Only the keys count: what an input method commits anyway is taken back.
    input_->onCommit = [this] { input_->clear(); };

    exitButton_ = new QPushButton(tr("退出"), this);
    exitButton_->setObjectName(QStringLiteral("jwexit"));
    exitButton_->setFont(fonts::song(13));
    exitButton_->setGeometry(530, 154, 90, 40);
    exitButton_->setFlat(true);
    run_.takeExitButton(exitButton_, [this] { exitDrill(); });

    chart_ = new SchemeChartView(this);
    chart_->move(16, 200);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("jwadaptive"));
    status_->setFont(fonts::song(10));
    status_->setGeometry(30, 58, 590, 36);
    status_->setWordWrap(true);
    status_->hide();
}

SchemeKeyPanel::~SchemeKeyPanel() = default;

const CodeBook& SchemeKeyPanel::wubiBook() {
    return schemedrill::wubiBook(host_.scheme().style == scheme::CodeStyle::Wubi, host_.codeBook(1),
                                 host_.appDirectory(), ownWubiBook_);
}

void SchemeKeyPanel::start(const ExerciseKind& kind) {
    std::optional<schemedrill::SchemeKeys> keys;
    int starting = 0;
    adaptive_.reset();
    if (kind.id == ExerciseId::WubiRadicalsAdaptive) {
        keys = schemedrill::wubiRadicals();
        modelName_ = QStringLiteral("wubi-radicals");
        starting = schemedrill::kRadicalsStarting;
    } else if (kind.id == ExerciseId::WubiCodesAdaptive) {
        keys = schemedrill::wubiCodes(host_.appDirectory(), wubiBook());
        modelName_ = QStringLiteral("wubi-codes");
        starting = schemedrill::kCodesStarting;
        if (keys->items.empty()) {
            host_.showError(JaxoError(tr("智能编码练习找不到高频字表或五笔码表：%1")
                                          .arg(QString::fromStdString(host_.appDirectory() + "/gpz.jxo, jaxo.sy1"))));
            return;
        }
    } else {
        keys = schemedrill::schemeKeys(schemedrill::drillScheme(kind.id));
    }
    if (!keys || !run_.begin(kind)) return;
    if (starting > 0) {
        score().scheme = scheme::wubi().id;  // whichever scheme the lessons use
        // Made afresh: another copy of the program may have practised meanwhile.
        adaptive_ = std::make_unique<schemedrill::AdaptiveKeys>(keys->items, starting);
        adaptive::loadModel(adaptive_->model(), modelName_);
        const adaptive::Preferences p = adaptive::loadPreferences();
        adaptive_->targets() = {p.chineseSpeed, p.targets.accuracyPercent};
    }
    drill_.begin(*keys, score().startMs, adaptive_.get());
    chart_->setScheme(*keys);
    chart_->move((width() - chart_->width()) / 2, 200);
    input_->clear();
    run_.captions().showTitles(score());
    status_->setVisible(adaptive_ != nullptr);
    // The adaptive drills' two lines of figures go above the row.
    row_->setGeometry(adaptive_ ? QRect(24, 94, 590, 60) : QRect(24, 66, 590, 84));
    input_->setAccessibleDescription(QString());
    news_.clear();
    showStatus();
    showDrill();
    saySymbol(false);
    input_->setFocus();
}

void SchemeKeyPanel::showStatus() {
    if (!adaptive_) return;
    const adaptive::Model& m = adaptive_->model();
    const adaptive::Targets& t = adaptive_->targets();
    const std::string& focusItem = adaptive_->focus();
    const QString focus = QString::fromStdString(focusItem);
    const adaptive::ItemStats& f = m.stats(m.indexOf(focusItem));
    const QString figures = f.timed ? tr("每分钟 %1 个，正确率 %2%").arg(qRound(f.charsPerMinute())).arg(f.accuracyPercent())
                                    : tr("还没有成绩");
    const bool radicals = modelName_ == QLatin1String("wubi-radicals");
    // The speed is items a minute: a radical is one key, a code up to four.
    const QString text = (radicals ? tr("重点字根「%1」：%2\n已学 %3/%4 个，达标 %5　目标：每分钟 %6 个字根、正确率 %7%")
                                   : tr("重点字「%1」：%2\n已学 %3/%4 个，达标 %5　目标：每分钟 %6 个编码、正确率 %7%"))
                             .arg(focus, figures)
                             .arg(m.inPlay())
                             .arg(m.size())
                             .arg(adaptive_->model().reachedCount(adaptive_->targets()))
                             .arg(t.charsPerMinute)
                             .arg(t.accuracyPercent);
    if (adaptive_->takeUnlocked())
        news_ = radicals ? tr("新字根「%1」加入练习").arg(focus) : tr("新字「%1」加入练习").arg(focus);
    status_->setText(news_.isEmpty() ? text : news_ + QStringLiteral("　") + text);
    status_->setAccessibleName(status_->text());
    // Read with the input whenever it gets the focus.
    input_->setAccessibleDescription(status_->text());
}

void SchemeKeyPanel::showDrill() {
    // The symbols over their marks; colour is not the only sign: ✓ and ×, and the
    // arrow under the one to type.
    QString symbols, marks;
    const auto& row = drill_.row();
    for (size_t i = 0; i < row.size(); ++i) {
        const QString symbol = drill_.scheme().items[static_cast<size_t>(row[i])].symbol.toHtmlEscaped();
        const bool here = static_cast<int>(i) == drill_.position();
        symbols += here ? QStringLiteral("<td width=52 align=center style='color:#1838a0'><u><b>%1</b></u></td>").arg(symbol)
                        : QStringLiteral("<td width=52 align=center>%1</td>").arg(symbol);
        QString mark;
        if (static_cast<int>(i) < drill_.position())
            mark = drill_.marks()[i] ? QStringLiteral("<span style='color:#207020'>✓</span>")
                                     : QStringLiteral("<span style='color:#c01010'>×</span>");
        else if (here)
            mark = QStringLiteral("↑");
        marks += QStringLiteral("<td align=center>%1</td>").arg(mark);
    }
    row_->setText(QStringLiteral("<table cellspacing=0 cellpadding=4 style='font-size:22px'><tr>%1</tr>"
                                 "<tr style='font-size:16px'>%2</tr></table>")
                      .arg(symbols, marks));
    if (!drill_.running()) return;
    const schemedrill::KeyItem& item = drill_.current();
    QString hint = tr("%1：%2键").arg(item.symbol, keyNames(item.keys));
    if (!item.note.isEmpty()) hint += QStringLiteral("　") + item.note;
    if (!drill_.typed().isEmpty()) hint += QStringLiteral("　") + tr("已打：%1").arg(keyNames(drill_.typed()));
    hint_->setText(hint);
}

void SchemeKeyPanel::saySymbol(bool wrong) {
    if (!drill_.running()) return;
    const schemedrill::KeyItem& item = drill_.current();
    QString said = tr("%1：%2键。").arg(item.symbol, keyNames(item.keys, true)) + item.note;
    if (!news_.isEmpty()) said.prepend(std::exchange(news_, {}) + QStringLiteral("。"));
    if (wrong) said.prepend(tr("错。"));
    a11y::announce(input_, said);
}

bool SchemeKeyPanel::inputKeyPress(QKeyEvent* e, int ch) {
    if (e->isAutoRepeat() || !drill_.running()) return false;
    host_.sound().playKeySound();
    if (ch == 27) {
        exitDrill();
        return false;
    }
    if (ch == 8) {
        drill_.erase();
        showDrill();
        return false;
    }
    // Printable keys and Space (it ends a short code); Shift does not change the key.
    if (ch < 0x20 || ch >= 0x7F) return false;
    const int judged = score().rightCount + score().wrongCount;
    drill_.type(QChar(ch).toLower(), host_.clock().msecs());
    if (score().rightCount + score().wrongCount != judged) showStatus();
    showDrill();
    if (score().rightCount + score().wrongCount != judged) saySymbol(drill_.lastWrong());
    return false;
}

void SchemeKeyPanel::onTimer() {
    if (!drill_.running()) return;
    const bool limit = drill_.tick(host_.clock().msecs());
    run_.showClock(drill_.clock());
    if (limit) exitDrill();
}

void SchemeKeyPanel::exitDrill() {
    if (!drill_.running()) return;
    run_.end({}, [this] {
        drill_.finish();
        input_->clear();
        status_->hide();
        QString error;
        if (adaptive_ && !adaptive::saveModel(adaptive_->model(), modelName_, &error)) host_.showError(JaxoError(error));
    });
}
