#include "shell/vt36_view.h"

#include <algorithm>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "entry/entry_line.h"
#include "resources/texts_entry.h"
#include "shell/command_ids.h"
#include "shell/delete_booking_dialog.h"
#include "shell/discount_dialog.h"
#include "shell/form_keys.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {

// Lines of the form from the top: names and balances, "Satz-Nr.:", the column heading, the nine rows,
// then status, kind and save question.
constexpr int kNamesLine = 0;
constexpr int kNumberLine = 1;
constexpr int kHeadingLine = 2;
constexpr int kFirstRowLine = 3;
constexpr int kBottomLine = kFirstRowLine + entry::EntryFormModel::kRows;
constexpr int kLines = kBottomLine + 1;
// Columns of what stands above and below the rows.
constexpr int kDebitBalanceColumn = 26;
constexpr int kCreditNameColumn = 42;
constexpr int kCreditBalanceColumn = 68;
constexpr int kKindColumn = 25;
constexpr int kPromptColumn = 55;
constexpr int kAnswerColumn = 71;
constexpr int kSeparators[] = {5, 12, 18, 24, 50, 62, 68};

const QColor kCursorText(0, 0, 192);
const QColor kCursorBack(255, 255, 224);
const QColor kSelectionBack(160, 200, 255);

// Courier New at the configured cell: the height gives the size, the width squeezes it to the cell.
QFont bookingFont(const config::FontDescription& d) {
    QFont font(QString::fromStdString(d.face));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setWeight(d.weight >= 700 ? QFont::Bold : d.weight >= 500 ? QFont::Medium : QFont::Normal);
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(d.height / 1.25))));
    const int natural = QFontMetrics(font).horizontalAdvance(QLatin1Char('0'));
    if (natural > 0 && natural != d.width) font.setStretch(std::clamp(100 * d.width / natural, 40, 400));
    return font;
}

}  // namespace

CVt36View::CVt36View(circles::CVt36Doc& doc, ShellContext& context, QWidget* parent)
    : QWidget(parent), doc_(doc), context_(context) {
    setObjectName(QStringLiteral("CVt36View"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setUpFont();
}

CVt36View::~CVt36View() = default;

void CVt36View::setUpFont() {
    font_ = bookingFont(doc_.programConfig().fontBooking);
    const QFontMetrics metrics(font_);
    cellWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    cellHeight_ = std::max(1, metrics.height());
    lineHeight_ = static_cast<int>(std::lround(cellHeight_ * 1.1));
    updateGeometry();
}

void CVt36View::closeCircle() {
    model_.reset();
    update();
}

void CVt36View::showCircle() {
    model_.reset();
    if (!doc_.isOpen()) {
        update();
        return;
    }
    setUpFont();
    model_ = std::make_unique<entry::EntryFormModel>(doc_);
    Q_EMIT resultStatementKind(doc_.settings().cashBasis != 0 ? cmd::kMenuCashBasis : cmd::kMenuProfitAndLoss);
    Q_EMIT insertModeChanged(model_->insertMode());
    update();
}

void CVt36View::reload() {
    if (model_ && doc_.isOpen()) model_->reload();
    update();
}

void CVt36View::frameResized() { update(); }

QSize CVt36View::sizeHint() const {
    return {static_cast<int>(std::lround((entry::kLineWidth + 2.5) * cellWidth_)), (kLines + 1) * lineHeight_};
}

int CVt36View::lineTop(int line) const { return lineHeight_ / 2 + line * lineHeight_; }
int CVt36View::columnX(int column) const { return cellWidth_ + column * cellWidth_; }
int CVt36View::columnAt(int x) const {
    return std::clamp((x - cellWidth_ + cellWidth_ / 2) / cellWidth_, 0, entry::kLineWidth);
}
QRect CVt36View::rowRect(int row) const {
    return {columnX(0) - cellWidth_ / 2, lineTop(kFirstRowLine + row), (entry::kLineWidth + 1) * cellWidth_,
            lineHeight_};
}

QRect CVt36View::currentRowArea() const {
    if (!model_) return {};
    const QRect row = rowRect(model_->cursorRow());
    return {mapToGlobal(row.topLeft()), row.size()};
}

int CVt36View::rowAt(int y) const {
    const int line = (y - lineHeight_ / 2) / lineHeight_;
    return line >= kFirstRowLine && line < kBottomLine ? line - kFirstRowLine : -1;
}

bool CVt36View::event(QEvent* e) {
    // Keys the form uses are its own, even where the frame has an accelerator for them; help and the
    // menu mnemonics stay with the frame.
    if (e->type() == QEvent::ShortcutOverride && model_) {
        auto* key = static_cast<QKeyEvent*>(e);
        const bool alt = key->modifiers() & Qt::AltModifier;
        const bool help = key->key() == Qt::Key_F1 && (key->modifiers() & Qt::ControlModifier);
        const bool pane = key->key() == Qt::Key_F6 && (key->modifiers() & Qt::ShiftModifier) &&
                          (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (!alt && !help && !pane && !formKeysOf(*key).empty()) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void CVt36View::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        Q_EMIT helpRequested();
        return;
    }
    const std::vector<entry::KeyPress> presses = model_ ? formKeysOf(*event) : std::vector<entry::KeyPress>{};
    if (presses.empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    for (const entry::KeyPress& press : presses) pressKey(press);
}

void CVt36View::pressKey(const entry::KeyPress& key) {
    if (!model_) return;
    const bool insertBefore = model_->insertMode();
    const entry::FormRequest request = model_->handleKey(key);
    if (model_->insertMode() != insertBefore) Q_EMIT insertModeChanged(model_->insertMode());
    update();
    handleRequest(request);
}

void CVt36View::handleRequest(const entry::FormRequest& request) {
    using entry::Request;
    switch (request.kind) {
    case Request::None: return;
    case Request::Beep: QApplication::beep(); return;
    case Request::ConfirmDelete: {
        DeleteBookingDialog dialog(context_);
        dialog.keepClear(currentRowArea());
        const bool confirmed = context_.runner.run(dialog) == QDialog::Accepted;
        if (model_) model_->answerDelete(confirmed);
        break;
    }
    case Request::DiscountDialog: {
        if (!model_) return;
        DiscountDialog dialog(context_, *model_);
        context_.runner.run(dialog);
        break;
    }
    case Request::AccountSheetOfAccount:
        Q_EMIT accountBookingsRequested(QString::fromLatin1(request.account.c_str()));
        break;
    default: {
        const int command = commandOfRequest(request.kind);
        if (command != 0) Q_EMIT commandRequested(command);
        break;
    }
    }
    update();
}

void CVt36View::mousePressEvent(QMouseEvent* event) {
    setFocus();
    if (!model_) return;
    const int row = rowAt(static_cast<int>(event->position().y()));
    if (row < 0) return;
    const int column = columnAt(static_cast<int>(event->position().x()));
    if (row != model_->cursorRow()) {
        model_->goToRow(row);
        pressColumn_ = -1;
    } else {
        model_->placeCursor(column);
        pressColumn_ = column;
    }
    update();
}

void CVt36View::mouseMoveEvent(QMouseEvent* event) {
    if (!model_ || pressColumn_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
    model_->selectColumns(pressColumn_, columnAt(static_cast<int>(event->position().x())));
    update();
}

void CVt36View::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setFont(font_);
    const QFontMetrics metrics(font_);
    const int ascent = metrics.ascent() + (lineHeight_ - cellHeight_) / 2;
    auto text = [&](int line, int column, const QString& s, const QColor& colour = Qt::black) {
        p.setPen(colour);
        p.drawText(columnX(column), lineTop(line) + ascent, s);
    };
    if (!model_) return;
    const entry::EntryFormModel& m = *model_;

    text(kNamesLine, 0, qt(m.debitName()));
    text(kNamesLine, kDebitBalanceColumn, qt(m.debitBalance()));
    text(kNamesLine, kCreditNameColumn, qt(m.creditName()));
    text(kNamesLine, kCreditBalanceColumn, qt(m.creditBalance()));
    text(kNumberLine, 0, qt(text::kEntryRecordNumberLabel) + QLatin1Char(' ') + QString::number(m.currentNumber()));
    text(kHeadingLine, 0, qt(text::kEntryColumnHeading));

    const int cursorRow = m.cursorRow();
    for (int r = 0; r < entry::EntryFormModel::kRows; ++r) {
        const int top = lineTop(kFirstRowLine + r);
        const QRect area = rowRect(r);
        const bool current = r == cursorRow;
        if (current) {
            p.fillRect(area, kCursorBack);
            if (m.hasSelection() && !m.savePromptShown())
                p.fillRect(QRect(columnX(m.selectionStart()), top + 1,
                                 (m.selectionEnd() - m.selectionStart()) * cellWidth_, lineHeight_ - 2),
                           kSelectionBack);
            p.setPen(QPen(kCursorText, 2));
            p.drawRect(area.adjusted(1, 1, -1, -1));
        }
        // Tick marks at the separator columns show the fields of every row.
        p.setPen(QColor(128, 128, 128));
        for (int column : kSeparators) {
            const int x = columnX(column) + cellWidth_ / 2;
            p.drawLine(x, top + lineHeight_ - 4, x, top + lineHeight_ - 1);
        }
        text(kFirstRowLine + r, 0, qt(m.row(r)), current ? kCursorText : QColor(Qt::black));
        if (current && !m.savePromptShown() && !m.lineLocked() && hasFocus()) {
            const int x = columnX(m.cursorColumn());
            if (m.insertMode()) {
                p.fillRect(QRect(x, top + 2, 2, lineHeight_ - 4), Qt::black);
            } else {
                p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                p.fillRect(QRect(x, top + 2, cellWidth_, lineHeight_ - 4), Qt::white);
                p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            }
        }
    }

    text(kBottomLine, 0, qt(m.statusText()), Qt::red);
    text(kBottomLine, kKindColumn, qt(m.kindText()));
    if (m.savePromptShown()) {
        text(kBottomLine, kPromptColumn, qt(text::kEntrySavePrompt));
        const QRect answer(columnX(kAnswerColumn) - 2, lineTop(kBottomLine), cellWidth_ + 4, lineHeight_);
        p.fillRect(answer, kCursorBack);
        p.setPen(QPen(kCursorText, 2));
        p.drawRect(answer.adjusted(1, 1, -1, -1));
        text(kBottomLine, kAnswerColumn, QString(QChar::fromLatin1(m.saveAnswer())), kCursorText);
    }
}

}  // namespace tellmark::shell
