#include "cardstore/frmPicEntry.h"

#include "cardstore/PictureBox.h"
#include "cardstore/modDB.h"
#include "cardstore/modImageDB.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using modDB::CardConnection;
using modDB::DeckRecordset;

namespace {

const QString kTitle = QStringLiteral("Lumenrest");
const QString kPictureField = QStringLiteral("PictureData");
// Far above any card scan, and a guard against picking a device or a huge file by mistake.
constexpr qint64 kMaxPictureBytes = 32 * 1024 * 1024;

// A database message, ended as a sentence so more can follow it.
QString sentence(const modDB::DbError& e)
{
    QString text = QString::fromStdString(e.what()).trimmed();
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

const QString frmPicEntry::PictureFilter = QStringLiteral("All Picture files | *.bmp;*.jpg;*.jpe;*.jpeg;*.gif");

frmPicEntry::frmPicEntry(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmPicEntry"));
    setWindowTitle(QStringLiteral("Form1"));

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("Prev"), this);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("Next"), this);
    cmdSetPicture = button(QStringLiteral("cmdSetPicture"), QStringLiteral("SelectPicture"), this);
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("Command4"), this);
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("Command1"), this);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Command3, Command2, cmdSetPicture, Command4, Command1})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Picture1, 1);
    layout->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &frmPicEntry::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmPicEntry::Command3_Click);
    connect(cmdSetPicture, &QPushButton::clicked, this, &frmPicEntry::cmdSetPicture_Click);
    connect(Command4, &QPushButton::clicked, this, &frmPicEntry::Command4_Click);

    setDeckControlsEnabled(false);
}

void frmPicEntry::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_loadTried)
        Form_Load();
}

void frmPicEntry::report(const QString& text)
{
    m_services.dialogs->message(this, text, kTitle, Dialogs::Icon::Exclamation);
}

void frmPicEntry::setDeckControlsEnabled(bool enabled)
{
    for (QPushButton* b : {Command2, Command3, cmdSetPicture, Command4})
        b->setEnabled(enabled);
}

bool frmPicEntry::Form_Load()
{
    m_loadTried = true;
    m_loaded = false;
    setDeckControlsEnabled(false);
    try {
        modDB::OpenCardDatabase(CardConnection, modDB::cardDatabasePath(m_services.paths->executableDir()));
        modDB::OpenRecordset(DeckRecordset, CardConnection, QStringLiteral("SELECT * FROM tblCards"));
    } catch (const modDB::DbError& e) {
        // No half-open state: neither the failed connection nor an older deck stays in use.
        DeckRecordset.reset();
        CardConnection.reset();
        report(sentence(e) + QStringLiteral(" The card editor cannot show or change any card."));
        return false;
    }
    // The row set stands on the first card; nothing is shown until "Next" or "Prev".
    DeckRecordset->MoveFirst();
    m_loaded = true;
    setDeckControlsEnabled(true);
    return true;
}

bool frmPicEntry::hasCurrentCard() const
{
    return m_loaded && DeckRecordset && !DeckRecordset->BOF() && !DeckRecordset->AtEOF();
}

void frmPicEntry::showCurrentCard()
{
    try {
        Label1->setText(DeckRecordset->text(QStringLiteral("Name")));
    } catch (const modDB::DbError& e) {
        report(sentence(e));
    }
    modImageDB::LoadPictureFromField(Picture1, *DeckRecordset, kPictureField);
}

void frmPicEntry::Command2_Click()
{
    if (!m_loaded || !DeckRecordset)
        return;
    if (!DeckRecordset->AtEOF())
        DeckRecordset->MoveNext();
    if (hasCurrentCard())
        showCurrentCard();
}

void frmPicEntry::Command3_Click()
{
    if (!m_loaded || !DeckRecordset)
        return;
    if (!DeckRecordset->BOF())
        DeckRecordset->MovePrevious();
    if (hasCurrentCard())
        showCurrentCard();
}

void frmPicEntry::cmdSetPicture_Click()
{
    if (!m_loaded || !DeckRecordset)
        return;
    // Asked before the dialog, so the maintainer does not pick a file for nothing.
    if (!hasCurrentCard()) {
        report(QStringLiteral("There is no current card to store a picture into. Move to a card with "
                              "\"Next\" or \"Prev\" first."));
        return;
    }
    QString file = m_services.dialogs->openFile(this, PictureFilter);
    if (file.isEmpty())
        return;
    // Shown back from the stored field, so the box shows what the card now holds.
    if (SavePictureData(file))
        showCurrentCard();
}

bool frmPicEntry::SavePictureData(QString& strPictureFile)
{
    if (!hasCurrentCard()) {
        report(QStringLiteral("There is no current card to store a picture into."));
        return false;
    }

    QFile file(strPictureFile);
    if (!file.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("The picture file \"%1\" could not be read: %2").arg(strPictureFile, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.read(kMaxPictureBytes + 1);
    const bool readFailed = file.error() != QFileDevice::NoError;
    const QString readError = file.errorString();
    file.close();
    if (readFailed) {
        report(QStringLiteral("The picture file \"%1\" could not be read: %2").arg(strPictureFile, readError));
        return false;
    }
    if (bytes.size() > kMaxPictureBytes) {
        report(QStringLiteral("The picture file \"%1\" is larger than %2 MB; the card was not changed.")
                   .arg(strPictureFile, QString::number(kMaxPictureBytes / (1024 * 1024))));
        return false;
    }
    // Bytes that do not decode would leave the card without a picture.
    if (QImage::fromData(bytes).isNull()) {
        report(QStringLiteral("The file \"%1\" is not a picture that can be shown (BMP, JPEG or GIF); "
                              "the card was not changed.")
                   .arg(strPictureFile));
        return false;
    }

    modDB::Recordset& deck = *DeckRecordset;
    QVariant previous;
    bool changed = false;
    try {
        previous = deck.value(kPictureField);
        changed = true;
        // From an empty value, so the field holds exactly the file's bytes even when an
        // earlier save of this row failed halfway.
        deck.setValue(kPictureField, QByteArray());
        deck.AppendChunk(kPictureField, bytes);
        deck.Update();
    } catch (const modDB::DbError& e) {
        // Keep the row as the database still has it.
        try {
            if (changed)
                deck.setValue(kPictureField, previous);
        } catch (const modDB::DbError&) {
        }
        report(sentence(e));
        return false;
    }
    return true;
}

void frmPicEntry::Command4_Click()
{
    if (!m_loaded || !DeckRecordset || !CardConnection)
        return;
    try {
        seedKeywords();
    } catch (const modDB::DbError& e) {
        report(sentence(e) + QStringLiteral(" No keyword was written."));
    }
}

// Seven placeholder keywords ("<name> 1" ... "<name> 7") for each of the cards 1 to 78, numbered
// 1 to 546 in card order. Only into an empty keyword table, and all in one transaction, so a
// failure never leaves duplicate IDs or half the rows behind.
void frmPicEntry::seedKeywords()
{
    std::shared_ptr<modDB::Recordset> keywords;
    modDB::OpenRecordset(keywords, CardConnection, QStringLiteral("SELECT * FROM tblKeywords"));
    if (keywords->RecordCount() > 0) {
        report(QStringLiteral("The keyword table already holds %1 rows. Placeholder keywords are only "
                              "written into an empty keyword table; nothing was changed.")
                   .arg(keywords->RecordCount()));
        return;
    }

    modDB::Recordset& deck = *DeckRecordset;
    deck.MoveFirst();
    CardConnection->execute(QStringLiteral("BEGIN"));
    try {
        qint16 row = 1;
        for (qint16 card = 1; card <= 78; ++card) {
            deck.setFilter(QStringLiteral("ID=") + QString::number(card));
            if (deck.RecordCount() == 0)
                throw modDB::DbError(QStringLiteral("Card %1 is missing from the card table.").arg(card).toStdString());
            const QString name = deck.text(QStringLiteral("Name"));
            for (qint16 k = 1; k <= 7; ++k) {
                keywords->AddNew();
                keywords->setValue(QStringLiteral("ID"), int(row));
                keywords->setValue(QStringLiteral("CardID"), int(card));
                keywords->setValue(QStringLiteral("CardName"), name);
                keywords->setValue(QStringLiteral("Keyword"), QString(name + QLatin1Char(' ') + QString::number(k)));
                keywords->Update();
                ++row;
            }
        }
        CardConnection->execute(QStringLiteral("COMMIT"));
    } catch (const modDB::DbError&) {
        try {
            CardConnection->execute(QStringLiteral("ROLLBACK"));
        } catch (const modDB::DbError&) {
        }
        // Nothing was written: the whole deck is visible again.
        deck.setFilter(QString());
        throw;
    }
    // The filter on card 78 stays, as after any seeding.
}
