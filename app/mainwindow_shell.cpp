#include "mainwindow.h"

#include "about.h"
#include "dialogs.h"
#include "hexaviewer.h"
#include "registryextractor.h"
#include "updateinfo.h"

#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

namespace {

const char kRegistryTitle[] = "VQ ZAVO Zozezi - Registry Import (%1)";
const char kUpdateBoxTitle[] = "Velquin ZAVO Zozezi";
const char kLastVersionKey[] = "LastVersionDisplay";
const char kDefaultUpdateUrl[] = "https://www.velquin.com/~ftp-xml/product_update_1001.xml";

const char kAboutName[] = "VQ ZAVO Zozezi";
const char kAboutIcon[] = ":/icons/files/resources/icon_app256_edid-editor.ico";
const char kAboutLinkColour[] = "#0095ff";
const char kLicenceFolder[] = ":/Licenses/resources/Licenses/";

// Marks the requests the user asked for, so that each answer is handled as
// its own request was meant, whatever order the answers arrive in.
const QNetworkRequest::Attribute kUserCheckAttribute = QNetworkRequest::User;
// The update document is a few hundred bytes; a larger answer is abandoned
// rather than held in memory.
const qint64 kMaxUpdateDocumentSize = 64 * 1024;
const int kUpdateTimeoutMs = 30000;

void requestUpdateDocument(QNetworkAccessManager* network, const QUrl& url, bool userAsked)
{
    QNetworkRequest request(url);
    request.setAttribute(kUserCheckAttribute, userAsked);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(kUpdateTimeoutMs);
    QNetworkReply* reply = network->get(request);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxUpdateDocumentSize)
            reply->abort();
    });
}

// Links in the box go through the program's URL opener instead of the
// label's own.
void routeLinks(QMessageBox& box)
{
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setOpenExternalLinks(false);
        QObject::connect(label, &QLabel::linkActivated, label,
                         [](const QString& link) { Dialogs::openUrl(QUrl(link)); });
    }
}

void showUpdateBox(QWidget* parent, const QString& styleSheet, const QString& text)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kUpdateBoxTitle), QString(),
                    QMessageBox::Ok, parent);
    box.setStyleSheet(styleSheet);
    box.setTextFormat(Qt::RichText);
    box.setText(text);
    routeLinks(box);
    Dialogs::execBox(box);
}

} // namespace

void MainWindow::on_actionExtract_Registry_E_EDID_triggered()
{
    RegistryExtractor extractor(this);
    extractor.setStyleSheet(m_styleSheet);
    extractor.setStoreRoot(m_drmRoot);
    commitPendingEdit();
    if (!m_noDocument && !maybeSave())
        return;
    closeFloatingViewer();
    // The dialog delivers into a buffer of its own: the images change only
    // once the chosen EDID has been accepted.
    Byte image[EDID_IMAGE_SIZE] = {};
    extractor.setOutputBuffer(image);
    Dialogs::execDialog(extractor);
    if (!extractor.isChosen())
        return;
    // The delivered image followed by the blocks past 256 bytes, which are
    // kept as for a long .bin file.
    QByteArray raw(reinterpret_cast<const char*>(image), EDID_IMAGE_SIZE);
    raw += extractor.chosenBytes().mid(EDID_IMAGE_SIZE);
    if (!acceptImage(raw, false))
        return;
    m_untitled = true;
    setWindowTitle(QString::fromLatin1(kRegistryTitle).arg(extractor.chosenName()));
}

void MainWindow::on_action_Extract_From_Registry_triggered()
{
    on_actionExtract_Registry_E_EDID_triggered();
}

void MainWindow::on_actionAbout_VQ_Edid_Editor_triggered()
{
    HexaViewer::instance()->showFloating(false);
    auto* about = new About(QString::fromLatin1(kAboutName), QString::fromLatin1(PROGRAM_VERSION),
                            QPixmap(QString::fromLatin1(kAboutIcon)),
                            QString::fromLatin1(kAboutLinkColour),
                            QString::fromLatin1(kLicenceFolder), this);
    about->setStyleSheet(m_styleSheet);
    // Several can be open at once; each is freed when it is closed.
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->show();
}

void MainWindow::on_actionCheck_for_updates_triggered()
{
    requestUpdateDocument(network(), m_updateUrl, true);
}

void MainWindow::sendUpdateRequest()
{
    if (m_updateUrl.isEmpty())
        m_updateUrl = QUrl(QString::fromLatin1(kDefaultUpdateUrl));
    requestUpdateDocument(network(), m_updateUrl, false);
}

QNetworkAccessManager* MainWindow::network()
{
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        connect(m_network, &QNetworkAccessManager::finished, this, &MainWindow::fileIsReady);
    }
    return m_network;
}

void MainWindow::fileIsReady(QNetworkReply* reply)
{
    handleUpdateAnswer(reply);
    emit updateAnswerHandled();
}

void MainWindow::handleUpdateAnswer(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError || reply->bytesAvailable() > kMaxUpdateDocumentSize) {
        // Silent, also for a check the user asked for.
        m_updateReported = true;
        return;
    }
    const UpdateInfo info = readUpdateInfo(reply->readAll());
    if (info.id != QLatin1String(UPDATE_PRODUCT_ID))
        return;
    const bool userAsked = reply->request().attribute(kUserCheckAttribute).toBool();
    const QString last = m_settings->value(kLastVersionKey).toString();
    const UpdateDecision decision = decideUpdate(info, last, userAsked);
    // Stored before the box is shown, so an answer arriving while the box is
    // open does not announce the same release again.
    if (decision.rememberVersion) {
        m_settings->setValue(kLastVersionKey, info.version);
        m_settings->sync();
    }
    m_updateReported = true;
    if (decision.message == UpdateMessage::UpToDate)
        showUpdateBox(this, m_styleSheet, upToDateText());
    else if (decision.message == UpdateMessage::NewRelease)
        showUpdateBox(this, m_styleSheet, newReleaseText(info.version, info.url));
}
