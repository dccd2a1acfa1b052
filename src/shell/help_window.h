#pragma once
// The program's user guide: the German HTML page shipped in progdata, shown in a window of its own that
// stays open beside the booking form.

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace tellmark::shell {

// Sections of the guide that the program opens directly.
inline constexpr const char* kHelpStart = "anfang";
inline constexpr const char* kHelpEntryForm = "erfassung";

// The guide in the first progdata directory that holds it (start directory, then beside the program);
// empty when there is none.
QString helpFilePath();

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* frame);

    // False when the file cannot be read.
    bool load(const QString& path);
    // Scrolls to the section and brings the window to the front.
    void showSection(const QString& anchor);

    QString section() const { return section_; }
    QTextBrowser* browser() const { return browser_; }

protected:
    // Esc and Ctrl+W close the guide.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
    QString section_;
};

}  // namespace tellmark::shell
