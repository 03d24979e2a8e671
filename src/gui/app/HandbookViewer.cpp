#include "app/HandbookViewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Messages.h"
#include "app/ProgramPaths.h"
#include "app/Reporter.h"
#include "app/SmallDialog.h"
#include "app/StartUp.h"
#include "app/TextCodec.h"
#include "platform/FileSystem.h"

namespace korvex {
namespace {

// The name a heading is linked by in the handbook's contents: lower case, blanks as hyphens,
// punctuation left out ("## 1. The first hour" is "#1-the-first-hour").
QString AnchorOf(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_')) anchor += c;
        if (c == QLatin1Char(' ')) anchor += QLatin1Char('-');
    }
    return anchor;
}

// Qt's Markdown reader names no headings, so the contents' links would lead nowhere. The names
// change nothing that is shown, and the browser must not take them for an edit: after one it
// would read the file anew at the next link, without them.
void NameHeadings(QTextDocument& document) {
    const QSignalBlocker quiet(document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat name;
        name.setAnchor(true);
        name.setAnchorNames({AnchorOf(block.text())});
        cursor.mergeCharFormat(name);
    }
}

}  // namespace

HandbookViewer::HandbookViewer(QWidget* parent)
    : QDialog(parent),
      text_(new QTextBrowser(this)),
      find_(new QLineEdit(this)),
      notFound_(new QLabel(QStringLiteral("Not found."), this)) {
    setObjectName(QStringLiteral("HandbookViewer"));
    text_->setObjectName(QStringLiteral("HandbookText"));
    text_->setOpenExternalLinks(true);
    text_->setToolTip(QStringLiteral("click a link to follow it, Alt+Left to go back, Ctrl+F to find a word"));
    find_->setObjectName(QStringLiteral("FindEdit"));
    find_->setPlaceholderText(QStringLiteral("Find (Ctrl+F)"));
    find_->setToolTip(QStringLiteral("type a word and press Enter (or F3) to find it; again for the next place"));
    notFound_->hide();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setToolTip(QStringLiteral("close the handbook (Escape)"));
    // Enter in the find field finds; it must not press Close.
    close->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(find_);
    row->addWidget(notFound_);
    row->addStretch();
    row->addWidget(close);
    layout->addLayout(row);

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(find_, &QLineEdit::returnPressed, this, &HandbookViewer::FindNext);
    connect(find_, &QLineEdit::textChanged, notFound_, &QWidget::hide);
    new QShortcut(QKeySequence::FindNext, this, this, &HandbookViewer::FindNext);
    new QShortcut(QKeySequence::Find, this, this, [this] {
        find_->setFocus();
        find_->selectAll();
    });
    resize(820, 700);
}

void HandbookViewer::Open(Reporter& report, const ProgramPaths& paths) {
    const std::string path = HandbookPath(paths);
    const QUrl source = QUrl::fromLocalFile(ToQString(path));
    // A link followed inside the handbook adds its heading to the source.
    const bool loaded = text_->source().adjusted(QUrl::RemoveFragment) == source && !text_->document()->isEmpty();
    if (!FileExists(path) || (!loaded && !Load(source))) {
        report.ShowError(Err::CouldntOpenFile, path);
        return;
    }
    if (!isVisible()) MoveToScreenCentre(*this);
    show();
    raise();
    activateWindow();
    text_->setFocus();
}

// Pictures and links are looked up beside the handbook, so its source is the file itself.
bool HandbookViewer::Load(const QUrl& source) {
    text_->setSource(source, QTextDocument::MarkdownResource);
    if (text_->document()->isEmpty()) return false;
    NameHeadings(*text_->document());
    setWindowTitle(text_->document()->firstBlock().text());
    return true;
}

// From the place found last, then once more from the top.
void HandbookViewer::FindNext() {
    const QString wanted = find_->text();
    if (wanted.isEmpty()) return;
    bool found = text_->find(wanted);
    if (!found) {
        text_->moveCursor(QTextCursor::Start);
        found = text_->find(wanted);
    }
    notFound_->setVisible(!found);
}

}  // namespace korvex
