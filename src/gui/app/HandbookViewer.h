// The handbook in a window of Korvex's own (F1, the About / Credits page): its Markdown with
// the pictures beside it, its links followed inside, Ctrl+F to find a text, Escape to close.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace korvex {

struct Reporter;
struct ProgramPaths;

class HandbookViewer : public QDialog {
    Q_OBJECT
public:
    explicit HandbookViewer(QWidget* parent = nullptr);

    // Shows the handbook of the program directory where the player left it; a handbook that
    // is missing or cannot be read is reported instead.
    void Open(Reporter& report, const ProgramPaths& paths);

private:
    bool Load(const QUrl& source);
    void FindNext();

    QTextBrowser* text_;
    QLineEdit* find_;
    QLabel* notFound_;
};

}  // namespace korvex
