#include "platform/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
// "Text file|*.txt" and "All Picture files | *.bmp;*.jpg" become Qt's "Name (patterns)".
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i].trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.isEmpty() ? filter : out.join(QStringLiteral(";;"));
}
}

void QtDialogs::message(QWidget* parent, const QString& text, const QString& caption, Icon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    // Texts hold paths and goal names: never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtDialogs::ask(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::openFile(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), qtFilter(filter));
}

QString QtDialogs::saveFile(QWidget* parent, const QString& filter)
{
    // QFileDialog asks before overwriting unless told not to.
    return QFileDialog::getSaveFileName(parent, QString(), QString(), qtFilter(filter));
}
