#pragma once
// CMainFrame: the main window with its menus, toolbar, status bar and accelerators, the multiple-document
// area holding the one child frame with the booking form, and the one document of the open booking
// circle. Every command runs through the command table: a command without a handler is greyed.

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QToolBar>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "circles/document.h"
#include "config/program_config_fonts.h"
#include "shell/child_frame.h"
#include "shell/circle_opening.h"
#include "shell/help_window.h"
#include "shell/message_dialog.h"
#include "shell/progress_window.h"
#include "shell/report_commands.h"
#include "shell/shell_context.h"

namespace tellmark::shell {

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // runner: how modal dialogs are run; the frame's own (exec) when null.
    explicit CMainFrame(DialogRunner* runner = nullptr, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Size from the screen cell, centred on the primary screen.
    void placeOnDesktop(const config::ScreenCell& cell);

    // A new document: password, selection, open. True when a circle is open afterwards.
    bool newDocument();
    // Closes the circle's files and the child frame; the frame keeps the menu without circle.
    void closeDocument();

    // Runs a command as its menu item, button or key would; false when it is greyed.
    bool runCommand(int id);
    // Gives a command its handler; it is enabled from then on (while a circle is open where it needs one).
    void setCommandHandler(int id, std::function<void()> handler);
    QAction* action(int id) const;

    // 1 = insert, 0 = overwrite ("ÜB" in the status bar).
    bool insertMode() const { return insertMode_; }
    void setInsertMode(bool insert);

    circles::CVt36Doc& document() { return doc_; }
    CChildFrame* childFrame() const { return child_; }
    CVt36View* view() const { return child_ ? child_->view() : nullptr; }
    ShellContext& context() { return context_; }
    CircleOpening& opening() { return opening_; }
    ProgressWindow& progressWindow() { return *progress_; }
    ReportCommands& reports() { return *reports_; }
    QLabel* overwritePane() const { return overwritePane_; }
    // The guide's window, null while none is open.
    HelpWindow* helpWindow() const { return help_.data(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createActions();
    void registerHandlers();
    void buildMenus(bool withCircle);
    void createToolBar();
    void createStatusBar();
    void updateCommandStates();
    void dispatch(int id);

    // After every open: the child frame shows the circle, the frame is told (command 1724).
    void circleOpened();
    void switchCircle();
    void administration();
    void setResultStatementText(int command);
    // The guide at one of its sections; a message when it is not installed.
    void openHelp(const char* section);
    void runAccounts();
    void reindex();
    void reorganise();
    void sortJournal();
    // "Suchen vorwärts" / "Suchen rückwärts": the dialog again after every hit, until none is left.
    void searchJournal(bool backward);
    template <class Dialog>
    void runConfigDialog();

    std::unique_ptr<DialogRunner> ownRunner_;
    DialogRunner& runner_;
    std::unique_ptr<ProgressWindow> progress_;
    DialogMessages messages_;
    ShellContext context_;
    circles::CVt36Doc doc_;
    CircleOpening opening_;
    std::unique_ptr<ReportCommands> reports_;

    QMdiArea* mdi_;
    CChildFrame* child_ = nullptr;
    // A closed frame until its deferred deletion.
    QPointer<CChildFrame> closingFrame_;
    QPointer<HelpWindow> help_;
    QToolBar* toolBar_ = nullptr;
    QLabel* idlePane_ = nullptr;
    QLabel* overwritePane_ = nullptr;
    std::map<int, QAction*> actions_;
    std::map<int, std::function<void()>> handlers_;
    std::vector<QMenu*> menus_;
    bool insertMode_ = true;
    bool frameCorrected_ = false;
};

}  // namespace tellmark::shell
