#pragma once
#include <QString>

class QWidget;

// Message boxes and file dialogs. Screens never call QMessageBox or QFileDialog
// themselves, so tests can read every message and answer every dialog.
class Dialogs {
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };

    virtual ~Dialogs() = default;
    // A message with an OK button only.
    virtual void message(QWidget* parent, const QString& text, const QString& caption, Icon icon) = 0;
    // A question with Yes and No, No the default; true when the user answered Yes.
    virtual bool ask(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The chosen path, or an empty text when the user cancelled.
    virtual QString openFile(QWidget* parent, const QString& filter) = 0;
    // Asks before overwriting an existing file; an empty text when the user cancelled.
    virtual QString saveFile(QWidget* parent, const QString& filter) = 0;
};

class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, const QString& caption, Icon icon) override;
    bool ask(QWidget* parent, const QString& text, const QString& caption) override;
    QString openFile(QWidget* parent, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& filter) override;
};
