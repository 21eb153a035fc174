#pragma once
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

// The "Test Type" and "Test Level" frames of the Settings tab.
class TestOptions : public QWidget {
    Q_OBJECT
public:
    explicit TestOptions(QWidget* parent = nullptr);

    // 0 Description, 1 Keywords.
    int testType() const;
    // 0 Beginner, 1 Intermediate, 2 Advanced.
    int difficulty() const;
    bool isDescription() const;
    // Select an option; its rule runs as for a click.
    void setTestType(int type);
    void setDifficulty(int level);

Q_SIGNALS:
    // Description questions may ask reversed meanings; keyword questions never do.
    void reversedAllowed(bool allowed);

private:
    void optTestType_Click(int Index);

    QGroupBox* Frame2;
    std::array<QRadioButton*, 2> optTestType;
    QLabel* Label20;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 3> optDifficulty;
    QLabel* Label19;
};
