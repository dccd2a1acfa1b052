#pragma once
// CVt36View: the booking form of the open booking circle. It paints the nine 80-character rows of the
// form model in the booking font with the account names and balances above them, "Satz-Nr.:", the
// status, the booking kind and the save question below, hands every key to the model, and shows the
// dialogs the model asks for. Requests for reports and other commands go to the main frame.

#include <QWidget>
#include <memory>

#include "circles/document.h"
#include "entry/entry_form.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class CVt36View : public QWidget {
    Q_OBJECT
public:
    CVt36View(circles::CVt36Doc& doc, ShellContext& context, QWidget* parent = nullptr);
    ~CVt36View() override;

    // After every open of a circle: a fresh form on the new line at the end of the journal. Tells the
    // frame which result statement the circle has.
    void showCircle();
    // The journal changed behind the form (a dialog, another command): rows read afresh, new line.
    void reload();
    // The circle was closed: the form forgets it, so keys and painting find nothing of it to read.
    void closeCircle();
    // Command 2102 after the main frame changed its size.
    void frameResized();
    // Hands one key to the form and carries out what it asks for.
    void pressKey(const entry::KeyPress& key);

    entry::EntryFormModel* model() const { return model_.get(); }
    QSize sizeHint() const override;
    // Cell of the booking font in pixels.
    QSize cell() const { return {cellWidth_, cellHeight_}; }
    // The row under the cursor in global coordinates; a question about it must not cover it.
    QRect currentRowArea() const;

Q_SIGNALS:
    void commandRequested(int id);
    // F7 in the debit or credit field: the bookings of the account found there (number text, ASCII).
    void accountBookingsRequested(const QString& account);
    void insertModeChanged(bool insert);
    // 1579 (cash-basis result) or 1580 (profit and loss) for the menu text of the result statement.
    void resultStatementKind(int command);
    // F1: the guide at the booking form.
    void helpRequested();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    void setUpFont();
    void handleRequest(const entry::FormRequest& request);
    int lineTop(int line) const;
    int columnX(int column) const;
    int columnAt(int x) const;
    int rowAt(int y) const;
    QRect rowRect(int row) const;

    circles::CVt36Doc& doc_;
    ShellContext& context_;
    std::unique_ptr<entry::EntryFormModel> model_;
    QFont font_;
    int cellWidth_ = 8;
    int cellHeight_ = 16;
    int lineHeight_ = 18;
    int pressColumn_ = -1;
};

}  // namespace tellmark::shell
