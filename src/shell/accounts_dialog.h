#pragma once
// "Konten Einrichten / Ändern / Löschen": choose an account by number, then change its opening balance
// or name, delete it, or create it when it is not there. The buttons follow the state of the choice.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "circles/document.h"
#include "posting/account_maintenance.h"
#include "shell/dialog_base.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class AccountsDialog : public TellmarkDialog {
    Q_OBJECT
public:
    enum class State { NothingChosen, Found, NotFound };

    AccountsDialog(ShellContext& context, circles::CVt36Doc& doc);
    State state() const { return state_; }

private:
    void setState(State state);
    void showAccount(const posting::ChosenAccount& account);
    void clearDisplay();
    void onTyped();
    void onChoose();
    void onChart();
    void onOpening();
    void onRename();
    void onDelete();
    void onNew();

    ShellContext& context_;
    posting::Books books_;
    posting::AccountFiles files_;
    State state_ = State::NothingChosen;
    int number_ = 0;  // the account chosen, or the one to create
    std::string name_;
    std::string opening_;

    QLineEdit* numberField_;
    QPushButton* choose_;
    QPushButton* chart_;
    QLabel* shownNumber_;
    QLabel* shownName_;
    QLabel* shownOpening_;
    QPushButton* changeOpening_;
    QPushButton* rename_;
    QPushButton* delete_;
    QPushButton* new_;
    QPushButton* close_;
};

}  // namespace tellmark::shell
