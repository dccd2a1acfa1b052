#include "shell/chart_list_dialog.h"

#include <algorithm>
#include <utility>

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/ini_numbers.h"
#include "resources/texts_accounts.h"
#include "shell/text_convert.h"

namespace tellmark::shell {

namespace {
// The number stands in the five characters after the two leading blanks.
constexpr std::size_t kNumberAt = 2;
constexpr std::size_t kNumberWidth = 5;
}  // namespace

ChartListDialog::ChartListDialog(ShellContext& context, const std::vector<std::string>& lines)
    : TellmarkDialog(context.frame, text::kChartPickListTitle, "ChartListDialog") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(qt(text::kChartPickListHeading), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("accounts"));
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumSize(360, 320);
    std::vector<std::pair<int, const std::string*>> accounts;
    for (const std::string& line : lines)
        accounts.emplace_back(line.size() > kNumberAt ? config::parseIniInt(line.substr(kNumberAt, kNumberWidth)) : 0,
                              &line);
    std::stable_sort(accounts.begin(), accounts.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [number, line] : accounts) {
        list_->addItem(qt(*line));
        numbers_.push_back(number);
    }
    if (!lines.empty()) list_->setCurrentRow(0);
    layout->addWidget(list_);
    QPushButton* ok = nullptr;
    addOkCancel(layout, &ok);
    connect(ok, &QPushButton::clicked, this, &ChartListDialog::onOk);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ChartListDialog::onOk);
}

void ChartListDialog::onOk() {
    const int row = list_->currentRow();
    chosen_ = row >= 0 && row < static_cast<int>(numbers_.size()) ? numbers_[static_cast<std::size_t>(row)] : 0;
    accept();
}

}  // namespace tellmark::shell
