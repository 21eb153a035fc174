#pragma once
#include "platform/Services.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <memory>

class OpenForms;
class QCheckBox;
class QLabel;
class QPushButton;

// The support reminder shown when the main window closes. It stays above other windows
// without taking the focus; closing it closes every window, and the program ends.
class frmNagScreen : public QWidget {
    Q_OBJECT
public:
    // Closing it closes the windows of forms (all windows on the screen when none is given).
    explicit frmNagScreen(const Services& services, std::shared_ptr<OpenForms> forms = {}, QWidget* parent = nullptr);
    ~frmNagScreen() override;

    // Opens a new reminder, modeless; it deletes itself when closed.
    static frmNagScreen* showReminder(const Services& services, std::shared_ptr<OpenForms> forms);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The classic 16-colour palette.
    static QColor QBColor(int n);
    // Each of red, green and blue turned to 255 minus itself.
    static QColor complement(const QColor& colour);
    static QString message(int index);

    void Check1_Click();
    void cmdExit_Click(int Index);
    void Form_Load();
    void Form_Unload();
    // floor(r * n) for a new draw, kept inside [0, n).
    int draw(int n);

    Services m_svc;
    std::shared_ptr<OpenForms> m_forms;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Picture1;
    QCheckBox* Check1;
    std::array<QPushButton*, 3> cmdExit;
};
