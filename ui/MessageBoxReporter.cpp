#include "ui/MessageBoxReporter.h"

#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QTextBoundaryFinder>

namespace vestrona {

namespace {

// Narrower than this, a box makes the window manager cut its title.
constexpr int kNarrowestText = 220;

constexpr QChar kZeroWidthSpace(0x200B);

// Message texts keep Windows line ends ("\r\n", and "\r" alone); a label wants "\n".
QString withLabelLineEnds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// A label wraps only at blanks, and a path has none: it may break after each
// "/", and a stretch still wider than the narrowest box between any two
// characters. The zero-width spaces are for the label only.
QString breakable(const QString &text, const QFontMetrics &metrics)
{
    QString out;
    QString run;
    const auto endRun = [&] {
        if (metrics.horizontalAdvance(run) <= kNarrowestText) {
            out += run;
        } else {
            QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, run);
            qsizetype from = 0;
            for (qsizetype to = characters.toNextBoundary(); to > 0; to = characters.toNextBoundary()) {
                out += run.mid(from, to - from) + kZeroWidthSpace;
                from = to;
            }
        }
        run.clear();
    };
    for (const QChar c : text) {
        if (c.isSpace()) {
            endRun();
            out += c;
        } else if (c == QLatin1Char('/')) {
            run += c;
            endRun();
            out += kZeroWidthSpace;
        } else {
            run += c;
        }
    }
    endRun();
    return out;
}

// A message box that shows its whole text: at least wide enough for its
// title, wrapping long lines and paths, and as large as the screen allows
// when the text needs it.
class WholeTextMessageBox final : public QMessageBox {
    Q_OBJECT
public:
    WholeTextMessageBox(Icon icon, const QString &title, const QString &text, StandardButtons buttons)
        : QMessageBox(icon, title, withLabelLineEnds(text), buttons)
        , mText(QMessageBox::text())
    {
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        label()->setText(breakable(mText, label()->fontMetrics()));
        const bool placedByCaller = testAttribute(Qt::WA_Moved);
        // Qt sizes and places the box first; its size is where fitting starts.
        QMessageBox::showEvent(event);
        fitText();
        if (!event->spontaneous() && !placedByCaller) {
            adjustPosition(parentWidget());
            setAttribute(Qt::WA_Moved, false);
        }
    }

private:
    QLabel *label() const { return findChild<QLabel *>(QStringLiteral("qt_msgbox_label")); }

    void fitText()
    {
        QLabel *text = label();
        const QRect screen = this->screen()->availableGeometry();
        layout()->activate();
        // What the box needs around the text: margins, icon and spacing.
        const int around = width() - text->width();
        // The window frame, as far as it is known before the box is shown.
        const QSize frame = frameGeometry().size() - size();
        const int widest = screen.width() - frame.width() - around;
        const int highest = screen.height() - frame.height();
        int textWidth = qMin(qMax(text->width(), kNarrowestText), widest);
        text->setWordWrap(true);
        // Too tall for the screen: fewer, longer lines.
        if (layout()->totalHeightForWidth(around + textWidth) > highest)
            textWidth = widest;
        const int boxWidth = around + textWidth;
        setFixedSize(boxWidth, qMin(layout()->totalHeightForWidth(boxWidth), highest));
    }

    QString mText;
};

QString titleOrAppTitle(const QString &title)
{
    return title.isEmpty() ? appTitle() : title;
}

} // namespace

void MessageBoxReporter::showMessage(const QString &text, const QString &title)
{
    WholeTextMessageBox box(QMessageBox::NoIcon, titleOrAppTitle(title), text, QMessageBox::Ok);
    box.exec();
}

Reporter::Answer MessageBoxReporter::askYesNo(const QString &text, const QString &title)
{
    WholeTextMessageBox box(QMessageBox::Question, titleOrAppTitle(title), text, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBoxReporter::showError(const ErrorReport &error)
{
    WholeTextMessageBox box(QMessageBox::Warning, QString::fromLatin1(kErrorBoxTitle), applicationErrorText(error),
                            QMessageBox::Ok);
    box.exec();
}

} // namespace vestrona

#include "MessageBoxReporter.moc"
