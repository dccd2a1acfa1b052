#include "shell/main_frame.h"

#include "entry/journal_search.h"
#include "posting/journal_sort.h"
#include "resources/texts_entry.h"
#include "shell/journal_tools_dialogs.h"

#include "posting/reindex.h"

#include "shell/question_dialog.h"
#include "resources/texts_shell_reports.h"
#include "resources/texts_document.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "posting/reorganisation.h"
#include "resources/format.h"
#include "resources/texts_common.h"
#include "resources/texts_reorganisation.h"
#include "resources/texts_shell.h"
#include "shell/about_dialog.h"
#include "shell/backup_commands.h"
#include "shell/accounts_dialog.h"
#include "shell/booking_technique_dialog.h"
#include "shell/command_ids.h"
#include "shell/command_table.h"
#include "shell/datev_export_command.h"
#include "shell/dialog_decisions.h"
#include "shell/export_commands.h"
#include "shell/page_settings_dialog.h"
#include "shell/print_fonts_dialog.h"
#include "shell/program_management_dialog.h"
#include "shell/screen_fonts_dialog.h"
#include "shell/standard_booking_commands.h"
#include "shell/standard_texts_dialog.h"
#include "shell/text_convert.h"
#include "shell/year_commands.h"
#include "shell/vat_presets_dialog.h"
#include "shell/window_size.h"

namespace tellmark::shell {

namespace {

DialogRunner& runnerOrOwn(DialogRunner* runner, std::unique_ptr<DialogRunner>& own) {
    if (runner) return *runner;
    own = std::make_unique<DialogRunner>();
    return *own;
}

// Accelerators of the frame; the booking form takes its own keys itself.
struct Accelerator {
    int id;
    QKeySequence keys;
};

std::vector<Accelerator> frameAccelerators() {
    return {
        {cmd::kInsertToggle, QKeySequence(Qt::Key_Insert)},
        {cmd::kHelpFile, QKeySequence(Qt::CTRL | Qt::Key_F1)},
        // F1 as every program has it; in the booking form it opens the guide at the form.
        {cmd::kHelpFile, QKeySequence(Qt::Key_F1)},
        {cmd::kHelpContext, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1)},
        {cmd::kPreviousPane, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6)},
        {cmd::kNextPane, QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_F6)},
    };
}

// What the status bar says after a reorganisation that ran to its end.
std::string reorganisationStatus(const posting::ReorganisationResult& result) {
    const long unposted = static_cast<long>(result.pending.size());
    const long posted = result.bookingCount - unposted;
    if (unposted == 0) return format(text::kStatusReorgDone, posted);
    return format(text::kStatusReorgUnposted, posted, unposted);
}

QIcon toolBarIcon(const QStyle* style, int id) {
    switch (id) {
    case cmd::kSwitchCircle: return style->standardIcon(QStyle::SP_BrowserReload);
    case cmd::kCircleOverview: return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case cmd::kBackup: return style->standardIcon(QStyle::SP_DialogSaveButton);
    case cmd::kSearchForward: return style->standardIcon(QStyle::SP_ArrowForward);
    case cmd::kSearchBackward: return style->standardIcon(QStyle::SP_ArrowBack);
    case cmd::kAbout: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    default: return style->standardIcon(QStyle::SP_MessageBoxQuestion);
    }
}

}  // namespace

CMainFrame::CMainFrame(DialogRunner* runner, QWidget* parent)
    : QMainWindow(parent),
      runner_(runnerOrOwn(runner, ownRunner_)),
      progress_(std::make_unique<ProgressWindow>(this)),
      messages_(runner_, this),
      context_{runner_, messages_, *progress_, this},
      doc_(messages_, *progress_),
      opening_(doc_, context_),
      reports_(std::make_unique<ReportCommands>(context_, doc_)) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(qt(text::kAppTitle));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    createActions();
    registerHandlers();
    createToolBar();
    createStatusBar();
    buildMenus(false);
    updateCommandStates();
}

CMainFrame::~CMainFrame() {
    // The form reads the document; it goes before the document does.
    delete child_;
    child_ = nullptr;
    delete closingFrame_.data();
}

void CMainFrame::placeOnDesktop(const config::ScreenCell& cell) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const WindowPlacement p = mainWindowPlacement(cell, desktop.width(), desktop.height());
    resize(p.width, p.height);
    move(desktop.left() + p.x, desktop.top() + p.y);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (frameCorrected_) return;
    frameCorrected_ = true;
    // The size is the outer size of the window: take the window manager's frame off once it is known.
    QTimer::singleShot(0, this, [this] {
        const int dw = frameGeometry().width() - width();
        const int dh = frameGeometry().height() - height();
        if (dw > 0 || dh > 0) resize(width() - dw, height() - dh);
    });
}

void CMainFrame::createActions() {
    std::vector<int> ids;
    for (const auto* menus : {&documentMenus(), &emptyMenus()})
        for (const MenuDefinition& menu : *menus)
            for (const MenuEntry& entry : menu.entries)
                if (entry.id != 0) ids.push_back(entry.id);
    for (int id : toolBarCommands())
        if (id != 0) ids.push_back(id);
    for (const Accelerator& a : frameAccelerators()) ids.push_back(a.id);

    for (int id : ids) {
        if (actions_.count(id)) continue;
        std::string_view label = commandText(id);
        auto* action = new QAction(qt(label.empty() ? commandPrompt(id) : label), this);
        action->setData(id);
        action->setStatusTip(qt(commandPrompt(id)));
        connect(action, &QAction::triggered, this, [this, id] { dispatch(id); });
        actions_[id] = action;
    }
    for (const Accelerator& a : frameAccelerators()) {
        QAction* action = actions_[a.id];
        action->setShortcuts(action->shortcuts() << a.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    actions_[cmd::kViewToolBar]->setCheckable(true);
    actions_[cmd::kViewStatusBar]->setCheckable(true);
}

void CMainFrame::registerHandlers() {
    setCommandHandler(cmd::kNewDocument, [this] { newDocument(); });
    setCommandHandler(cmd::kSwitchCircle, [this] { switchCircle(); });
    setCommandHandler(cmd::kCloseCircle, [this] { closeDocument(); });
    setCommandHandler(cmd::kExit, [this] { close(); });
    setCommandHandler(cmd::kAccounts, [this] { runAccounts(); });
    // No report exists for the account histories: the command ends without output.
    setCommandHandler(cmd::kAccountHistories, [] {});
    setCommandHandler(cmd::kBalanceList, [this] { reports_->balanceList(); });
    setCommandHandler(cmd::kTrialBalance, [this] { reports_->trialBalance(); });
    setCommandHandler(cmd::kChartList, [this] { reports_->chartOfAccountsList(); });
    setCommandHandler(cmd::kResultStatement, [this] { reports_->resultStatement(); });
    setCommandHandler(cmd::kBalanceSheet, [this] { reports_->balanceSheet(); });
    setCommandHandler(cmd::kCircleOverview, [this] { reports_->circleOverview(); });
    setCommandHandler(cmd::kJournal, [this] { reports_->journal(); });
    setCommandHandler(cmd::kAccountSheets, [this] { reports_->accountSheets(); });
    setCommandHandler(cmd::kCashBook, [this] { reports_->cashBook(); });
    setCommandHandler(cmd::kCollectiveAccounts, [this] { reports_->collectiveSheets(); });
    setCommandHandler(cmd::kVatReturn, [this] { reports_->vatReturn(); });
    setCommandHandler(cmd::kMonthEvaluation, [this] { reports_->monthEvaluation(); });
    setCommandHandler(cmd::kStandardEdit, [this] { StandardBookingCommands(context_, doc_).edit(); });
    setCommandHandler(cmd::kStandardMark, [this] { StandardBookingCommands(context_, doc_).mark(); });
    setCommandHandler(cmd::kStandardPostMarked, [this] { StandardBookingCommands(context_, doc_).postMarked(view()); });
    setCommandHandler(cmd::kStandardPostChoice,
                      [this] { StandardBookingCommands(context_, doc_).postChosen(view(), false); });
    setCommandHandler(cmd::kStandardPostNumber,
                      [this] { StandardBookingCommands(context_, doc_).postChosen(view(), true); });
    setCommandHandler(cmd::kStandardPrint, [this] { reports_->standardBookings(); });
    setCommandHandler(cmd::kBackup, [this] { BackupCommands(context_, doc_).backup(); });
    setCommandHandler(cmd::kRestore, [this] {
        if (BackupCommands(context_, doc_).restore()) circleOpened(); else closeDocument();
    });
    setCommandHandler(cmd::kImport, [this] { StandardBookingCommands(context_, doc_).importBookings(view()); });
    setCommandHandler(cmd::kExportGdpdu, [this] { ExportCommands(context_, doc_).gdpdu(); });
    setCommandHandler(cmd::kCompanionOnline, [this] { ExportCommands(context_, doc_).companion(); });
    setCommandHandler(cmd::kExportDatev, [this] { DatevExportCommand(context_, doc_).run(); });
    setCommandHandler(cmd::kCircleAdministration, [this] { administration(); });
    setCommandHandler(cmd::kYearChange, [this] {
        switch (YearCommands(context_, doc_).changeYear()) {
        case YearCommands::Change::Kept:
            if (view()) view()->setFocus();
            break;
        case YearCommands::Change::Opened: circleOpened(); break;  // the same document, on its new year
        case YearCommands::Change::Closed: closeDocument(); break;
        }
    });
    setCommandHandler(cmd::kCarryForward, [this] {
        YearCommands(context_, doc_).transferClosingBalances();
        if (view()) view()->reload();
    });
    setCommandHandler(cmd::kDeleteYears, [this] { YearCommands(context_, doc_).deleteYears(); });
    setCommandHandler(cmd::kReindex, [this] { reindex(); });
    setCommandHandler(cmd::kReorganisation, [this] { reorganise(); });
    setCommandHandler(cmd::kJournalSort, [this] { sortJournal(); });
    setCommandHandler(cmd::kSearchForward, [this] { searchJournal(false); });
    setCommandHandler(cmd::kSearchBackward, [this] { searchJournal(true); });
    setCommandHandler(cmd::kProgramManagement, [this] { runConfigDialog<ProgramManagementDialog>(); });
    setCommandHandler(cmd::kPageSettings, [this] { runConfigDialog<PageSettingsDialog>(); });
    setCommandHandler(cmd::kScreenFonts, [this] { runConfigDialog<ScreenFontsDialog>(); });
    setCommandHandler(cmd::kPrintFonts, [this] { runConfigDialog<PrintFontsDialog>(); });
    setCommandHandler(cmd::kStandardTexts, [this] { runConfigDialog<StandardTextsDialog>(); });
    setCommandHandler(cmd::kVatPresets, [this] { runConfigDialog<VatPresetsDialog>(); });
    setCommandHandler(cmd::kBookingTechnique, [this] { runConfigDialog<BookingTechniqueDialog>(); });
    setCommandHandler(cmd::kViewToolBar, [this] { toolBar_->setVisible(!toolBar_->isVisible()); });
    setCommandHandler(cmd::kViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    for (int id : {cmd::kHelpIndex, cmd::kHelpUsing, cmd::kHelpFile, cmd::kHelpContext})
        setCommandHandler(id, [this] { openHelp(kHelpStart); });
    setCommandHandler(cmd::kAbout, [this] {
        AboutDialog about(this);
        runner_.run(about);
    });
    setCommandHandler(cmd::kNextPane, [this] { mdi_->activateNextSubWindow(); });
    setCommandHandler(cmd::kPreviousPane, [this] { mdi_->activatePreviousSubWindow(); });
    setCommandHandler(cmd::kInsertToggle, [this] {
        // The form keeps the flag while it is there; the frame follows it.
        if (view() && view()->model()) {
            view()->pressKey(entry::KeyPress::of(entry::Key::Insert));
        } else {
            setInsertMode(!insertMode_);
        }
    });
}

void CMainFrame::setCommandHandler(int id, std::function<void()> handler) {
    handlers_[id] = std::move(handler);
    updateCommandStates();
}

QAction* CMainFrame::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::buildMenus(bool withCircle) {
    menuBar()->clear();
    for (QMenu* menu : menus_) menu->deleteLater();
    menus_.clear();
    for (const MenuDefinition& definition : withCircle ? documentMenus() : emptyMenus()) {
        QMenu* menu = menuBar()->addMenu(qt(definition.title));
        menus_.push_back(menu);
        for (const MenuEntry& entry : definition.entries) {
            if (entry.id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(actions_.at(entry.id));
            }
        }
    }
}

void CMainFrame::createToolBar() {
    toolBar_ = addToolBar(qt(text::kToolBarTitle));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    for (int id : toolBarCommands()) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* a = actions_.at(id);
        a->setIcon(toolBarIcon(style(), id));
        // The menu text without its mnemonic and key.
        QString tip = a->text().section(QLatin1Char('\t'), 0, 0).trimmed();
        tip.remove(QLatin1Char('&'));
        a->setToolTip(tip);
        toolBar_->addAction(a);
    }
    connect(toolBar_, &QToolBar::visibilityChanged, this, [this](bool on) {
        actions_.at(cmd::kViewToolBar)->setChecked(on);
    });
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    idlePane_ = new QLabel(qt(text::kIdlePrompt), this);
    bar->addWidget(idlePane_, 1);
    const QFontMetrics metrics(font());
    auto pane = [&](std::string_view widest, const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(metrics.horizontalAdvance(qt(widest)) + 12);
        bar->addPermanentWidget(label);
        return label;
    };
    overwritePane_ = pane(text::kPaneOverwrite, "overwritePane");
    // The lock keys cannot be read portably; their panes keep their places and stay empty.
    pane(text::kPaneCaps, "capsPane");
    pane(text::kPaneNum, "numPane");
    pane(text::kPaneScroll, "scrollPane");
    actions_.at(cmd::kViewStatusBar)->setChecked(true);
    actions_.at(cmd::kViewToolBar)->setChecked(true);
    setInsertMode(true);
}

void CMainFrame::setInsertMode(bool insert) {
    insertMode_ = insert;
    overwritePane_->setText(insert ? QString() : qt(text::kPaneOverwrite));
}

void CMainFrame::updateCommandStates() {
    const bool open = doc_.isOpen() && child_ != nullptr;
    for (auto& [id, action] : actions_) {
        const bool handled = handlers_.count(id) != 0;
        action->setEnabled(handled && (open || !needsOpenCircle(id)));
    }
    if (toolBar_) actions_.at(cmd::kViewToolBar)->setChecked(!toolBar_->isHidden());
    actions_.at(cmd::kViewStatusBar)->setChecked(!statusBar()->isHidden());
}

bool CMainFrame::runCommand(int id) {
    QAction* a = action(id);
    if (!a || !a->isEnabled()) return false;
    dispatch(id);
    return true;
}

void CMainFrame::dispatch(int id) {
    const auto it = handlers_.find(id);
    if (it == handlers_.end()) return;
    const std::function<void()> handler = it->second;  // a handler may replace the table entry
    handler();
    updateCommandStates();
}

bool CMainFrame::newDocument() {
    if (opening_.startDocument()) {
        circleOpened();
        return true;
    }
    closeDocument();
    return false;
}

void CMainFrame::circleOpened() {
    if (!child_) {
        child_ = new CChildFrame(doc_, context_);
        mdi_->addSubWindow(child_);
        connect(child_, &CChildFrame::closeRequested, this, [this] {
            // Not inside the frame's own close handling: it is deleted here.
            QTimer::singleShot(0, this, [this] { closeDocument(); });
        });
        CVt36View* v = child_->view();
        connect(v, &CVt36View::commandRequested, this, [this](int id) { runCommand(id); });
        connect(v, &CVt36View::accountBookingsRequested, this,
                [this](const QString& account) { reports_->accountBookings(account.toStdString()); });
        connect(v, &CVt36View::insertModeChanged, this, &CMainFrame::setInsertMode);
        connect(v, &CVt36View::resultStatementKind, this, &CMainFrame::setResultStatementText);
        connect(v, &CVt36View::helpRequested, this, [this] { openHelp(kHelpEntryForm); });
    }
    child_->updateTitle();
    child_->view()->showCircle();
    setInsertMode(true);  // command 1724
    buildMenus(true);
    child_->showMaximized();
    child_->view()->setFocus();
    updateCommandStates();
}

void CMainFrame::closeDocument() {
    doc_.closeCircle();
    if (child_) {
        CChildFrame* frame = child_;
        child_ = nullptr;
        // The circle is often closed from inside the form's own key handling (F9, then "Beenden" in the
        // selection): the frame is hidden and cut off now and deleted once that handling has returned.
        frame->view()->closeCircle();
        disconnect(frame->view(), nullptr, this, nullptr);
        disconnect(frame, nullptr, this, nullptr);
        frame->hide();
        mdi_->removeSubWindow(frame);
        closingFrame_ = frame;
        frame->deleteLater();
    }
    buildMenus(false);
    updateCommandStates();
}

void CMainFrame::switchCircle() {
    switch (opening_.switchCircle()) {
    case CircleOpening::Switch::Kept:
        if (view()) view()->setFocus();
        break;
    case CircleOpening::Switch::Opened: circleOpened(); break;
    case CircleOpening::Switch::NoneOpen: closeDocument(); break;
    }
}

void CMainFrame::administration() {
    if (opening_.administration()) {
        circleOpened();
    } else {
        closeDocument();
    }
}

void CMainFrame::setResultStatementText(int command) {
    actions_.at(cmd::kResultStatement)
        ->setText(qt(command == cmd::kMenuCashBasis ? text::kItemResultCashBasis : text::kItemResultProfitLoss));
    menuBar()->update();
}

void CMainFrame::openHelp(const char* section) {
    if (!help_) {
        const QString path = helpFilePath();
        auto* window = new HelpWindow(this);
        if (path.isEmpty() || !window->load(path)) {
            delete window;
            const std::string name = "progdata/" + std::string(text::kHelpFileName);
            messages_.show(format(text::kMsgHelpFileMissing, name.c_str()), text::kCaptionInformation,
                           ui::kIconInformation);
            return;
        }
        help_ = window;
    }
    help_->showSection(QString::fromLatin1(section));
}

void CMainFrame::reindex() {
    QuestionDialog question(context_, text::kReindexTitle, text::kReindexQuestion, "ReindexQuestion");
    if (runner_.run(question) != QDialog::Accepted) return;
    statusBar()->clearMessage();
    posting::Books books = doc_.books();
    if (posting::reindexBooks(books) == 1) statusBar()->showMessage(qt(text::kStatusReindexDone));
    if (view()) view()->reload();
}

void CMainFrame::reorganise() {
    const std::string question =
        std::string(text::kReorgConfirmQuestion) + "\n\n" + std::string(text::kReorgConfirmBackup);
    QuestionDialog confirm(context_, text::kReorgConfirmCaption, question, "ReorganisationQuestion");
    if (runner_.run(confirm) != QDialog::Accepted) return;
    // The core shows its own messages through the document; every question here has a person to answer.
    DialogDecisions decisions(context_);
    statusBar()->clearMessage();
    const posting::ReorganisationResult result = posting::reorganise(doc_.books(), decisions, context_.progress);
    doc_.fillReportDefaults();
    if (result.outcome == posting::ReorgOutcome::Done) statusBar()->showMessage(qt(reorganisationStatus(result)));
    if (view()) {
        view()->reload();
        view()->setFocus();
    }
}

void CMainFrame::sortJournal() {
    JournalSortDialog dialog(context_);
    if (runner_.run(dialog) != QDialog::Accepted) return;
    statusBar()->clearMessage();
    posting::Books books = doc_.books();
    posting::sortJournal(books, dialog.order());
    // The entry form counts the bookings again, whatever the sort did.
    if (view()) {
        view()->reload();
        view()->setFocus();
    }
}

void CMainFrame::searchJournal(bool backward) {
    CVt36View* v = view();
    if (!v || !v->model()) return;
    entry::EntryFormModel& model = *v->model();
    ledger::Journal& journal = doc_.journal();
    entry::SearchQuery query;
    bool firstTime = true;
    QPoint place;
    for (;;) {
        SearchDialog dialog(context_, backward, query, firstTime);
        if (!firstTime) dialog.placeAt(place);
        const int result = runner_.run(dialog);
        if (result != SearchDialog::Start && result != SearchDialog::Next) break;
        query = dialog.query();
        place = dialog.pos();
        firstTime = false;
        if (query.text.empty()) continue;
        const long from = result == SearchDialog::Start ? (backward ? journal.count() + 1 : 0)
                                                          : model.currentNumber();
        const long hit = backward ? entry::searchBackward(journal, query, from)
                                  : entry::searchForward(journal, query, from);
        if (hit > 0) {
            model.goToBooking(hit);
            v->update();
            continue;
        }
        context_.messages.show(text::kSearchNoMoreHits, text::kCaptionInformation, ui::kIconInformation);
        if (backward) {
            if (journal.count() > 0) model.goToBooking(1);
        } else {
            model.goToEnd();
        }
        break;
    }
    v->update();
    v->setFocus();
}

void CMainFrame::runAccounts() {
    AccountsDialog dialog(context_, doc_);
    runner_.run(dialog);
    doc_.fillReportDefaults();
    if (view()) {
        view()->update();
        view()->setFocus();
    }
}

template <class Dialog>
void CMainFrame::runConfigDialog() {
    Dialog dialog(context_, doc_.programConfigFile());
    runner_.run(dialog);
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    int w = event->size().width();
    int h = event->size().height();
    if (snapToSmallestSize(w, h)) {
        resize(w, h);
        return;
    }
    // Command 2102: the form lays itself out for the new size once the resize is through.
    QTimer::singleShot(0, this, [this] {
        if (view()) view()->frameResized();
    });
}

}  // namespace tellmark::shell
