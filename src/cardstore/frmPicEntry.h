#pragma once
// The maintainer's card editor: walks through all cards, stores a picture file into the
// current card and seeds placeholder keywords. The main program never opens it.

#include "platform/Services.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class PictureBox;

class frmPicEntry : public QWidget {
    Q_OBJECT
public:
    explicit frmPicEntry(const Services& services, QWidget* parent = nullptr);

    // Opens the card database beside the executable and all its cards. Runs by itself when
    // the window is first shown; false (after a message) when the database cannot be opened.
    bool Form_Load();
    bool isLoaded() const { return m_loaded; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Stores the whole file into PictureData of the current card and saves the row; the field
    // then holds exactly the file's bytes. False (after a message) when there is no current
    // card, the file cannot be read or is no picture, or the save fails; nothing is stored then.
    bool SavePictureData(QString& strPictureFile);

    static const QString PictureFilter;

    void Command2_Click();
    void Command3_Click();
    void cmdSetPicture_Click();
    void Command4_Click();
    bool hasCurrentCard() const;
    void showCurrentCard();
    void setDeckControlsEnabled(bool enabled);
    void seedKeywords();
    void report(const QString& text);

    Services m_services;
    QLabel* Label1 = nullptr;
    PictureBox* Picture1 = nullptr;
    QPushButton* Command2 = nullptr;      // "Next"
    QPushButton* Command3 = nullptr;      // "Prev"
    QPushButton* cmdSetPicture = nullptr; // "SelectPicture"
    QPushButton* Command4 = nullptr;      // seeds placeholder keywords
    QPushButton* Command1 = nullptr;      // no action
    bool m_loaded = false;
    bool m_loadTried = false;
};
