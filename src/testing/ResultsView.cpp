#include "testing/ResultsView.h"

#include "platform/AppTitle.h"
#include "platform/CheckedSave.h"
#include "platform/Dialogs.h"
#include "testing/TestReport.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

bool ResultsView::isMonospaced(const QFont& font)
{
    // Measured: some monospaced fonts do not say so.
    const QFontMetricsF metrics(font);
    const qreal blank = metrics.horizontalAdvance(QLatin1Char(' '));
    for (QChar c : QStringLiteral("iW_-0"))
        if (!qFuzzyCompare(metrics.horizontalAdvance(c), blank))
            return false;
    return true;
}

ResultsView::ResultsView(Dialogs* dialogs, QWidget* parent)
    : TabPage(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("tabResults"));

    txtResult = new QPlainTextEdit(this);
    txtResult->setObjectName(QStringLiteral("txtResult"));
    // The report is laid out in columns: no wrapping to break them (the fixed-pitch font is
    // looked up with the first report, not at start-up).
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResult->setTabChangesFocus(true);

    lblResultInfo = new QLabel(this);
    lblResultInfo->setObjectName(QStringLiteral("lblResultInfo"));
    lblResultInfo->setTextFormat(Qt::PlainText);
    QFont infoFont = lblResultInfo->font();
    infoFont.setBold(true);
    lblResultInfo->setFont(infoFont);

    Command5 = new QPushButton(tr("Save Current Result"), this);
    Command5->setObjectName(QStringLiteral("Command5"));

    cmdProgress = new QPushButton(tr("My Progress"), this);
    cmdProgress->setObjectName(QStringLiteral("cmdProgress"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblResultInfo, 1);
    bottom->addWidget(Command5);
    bottom->addWidget(cmdProgress);
    connect(cmdProgress, &QPushButton::clicked, this, &ResultsView::progressRequested);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtResult, 1);
    layout->addLayout(bottom);

    connect(Command5, &QPushButton::clicked, this, &ResultsView::Command5_Click);
}

void ResultsView::showReport(const QString& text, const QString& summary)
{
    lblResultInfo->setText(summary);
    if (!m_fixedPitch) {
        QFont font(QStringLiteral("Courier New"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        if (!isMonospaced(font))
            font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        txtResult->setFont(font);
        m_fixedPitch = true;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtResult->setPlainText(shown);
    txtResult->moveCursor(QTextCursor::End);
}

void ResultsView::Command5_Click()
{
    const QString path = m_dialogs->saveFile(this, tr("Text file|*.txt"));
    if (path.isEmpty())
        return; // cancelled: nothing written, nothing said

    // Written whole or not at all: a failed save never leaves half a report behind.
    const QString reason = CheckedSave::save(path, TestReport::fileBytes(txtResult->toPlainText()));
    if (!reason.isEmpty()) {
        m_dialogs->message(this,
                           tr("The report could not be saved to \"%1\": %2")
                               .arg(QDir::toNativeSeparators(path), reason),
                           AppTitle(), Dialogs::Icon::Critical);
    }
}
