#include "TextPageView.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextFrame>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TextPageView::TextPageView(QWidget *parent)
    : QWidget(parent)
    , m_browser(new QTextBrowser(this))
{
    auto *note = new QLabel(tr("The scrollbar colors cannot be shown here, without a web view: "
                               "\"Open in Browser\" shows them in your web browser."),
                            this);
    note->setObjectName(u"scrollbarNote"_s);
    note->setWordWrap(true);
    note->setMargin(3);
    note->setAutoFillBackground(true);
    note->setBackgroundRole(QPalette::ToolTipBase);
    note->setForegroundRole(QPalette::ToolTipText);

    m_browser->setOpenLinks(false);
    m_browser->setAccessibleName(tr("Preview page"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(note);
    layout->addWidget(m_browser);
}

namespace {

// The text colour of a page's BODY tag, which browsers honour and Qt's HTML reader does not.
QString bodyTextColor(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression pattern(uR"(<body\b[^>]*?\stext\s*=\s*["']?([^"'\s>]*))"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(QString::fromLocal8Bit(file.readAll())).captured(1);
}

} // namespace

void TextPageView::navigate(const QString &path)
{
    m_path = path;
    const bool readable = QFileInfo(path).isReadable();
    m_browser->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    setDocumentColor(DocumentColor::Text, bodyTextColor(path));
    // Pages load after the call returns, as they do in a browser.
    QTimer::singleShot(0, this, [this, readable] {
        if (m_loadFinished)
            m_loadFinished(readable);
    });
}

void TextPageView::setLoadFinishedHandler(std::function<void(bool)> handler)
{
    m_loadFinished = std::move(handler);
}

void TextPageView::setDocumentColor(DocumentColor which, const QString &colorText)
{
    const QColor color = QColor::fromString(colorText);
    if (!color.isValid())
        return;
    QTextDocument *document = m_browser->document();
    if (which == DocumentColor::Background) {
        QTextFrameFormat format = document->rootFrame()->frameFormat();
        format.setBackground(color);
        document->rootFrame()->setFrameFormat(format);
    } else {
        QTextCursor cursor(document);
        cursor.select(QTextCursor::Document);
        QTextCharFormat format;
        format.setForeground(color);
        cursor.mergeCharFormat(format);
    }
}

void TextPageView::readDocumentColor(DocumentColor which,
                                     std::function<void(const QString &)> done) const
{
    // Where the page gives no colour, the view's own shows.
    const QTextDocument *document = m_browser->document();
    QColor color = m_browser->palette().color(which == DocumentColor::Background ? QPalette::Base
                                                                                 : QPalette::Text);
    if (which == DocumentColor::Background) {
        const QBrush background = document->rootFrame()->frameFormat().background();
        if (background.style() != Qt::NoBrush)
            color = background.color();
    } else {
        // The colour of the page's first text.
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (!block.text().isEmpty()) {
                const QBrush foreground = block.begin().fragment().charFormat().foreground();
                if (foreground.style() != Qt::NoBrush)
                    color = foreground.color();
                break;
            }
        }
    }
    done(color.name().toUpper());
}

void TextPageView::setPageStyleSheet(const QString &)
{
    // The view draws no scrollbar colours; the page's text and colours need no sheet.
}

void TextPageView::navigateToAddress(const QUrl &address)
{
    // Qt's HTML view reads files only; it fetches nothing from any server.
    navigate(address.isLocalFile() ? address.toLocalFile() : QString());
}

void TextPageView::reload()
{
    navigate(m_path);
}

void TextPageView::inspectPage(const QString &, std::function<void(const QVariant &)> done)
{
    // This view applies no style rules, so it cannot tell which apply.
    done(QVariant());
}

void TextPageView::probePage(const QString &, const QStringList &, const QStringList &,
                             std::function<void(const QVariant &)> done)
{
    done(QVariant());
}
