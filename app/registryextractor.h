#ifndef REGISTRYEXTRACTOR_H
#define REGISTRYEXTRACTOR_H

#include "edidtypes.h"

#include <QByteArray>
#include <QDialog>
#include <QModelIndex>
#include <QStringList>

class QStringListModel;
namespace Ui { class RegistryExtractor; }

// Lists the EDIDs that the operating system keeps for the displays it has
// seen and hands the chosen one to the main window. A click reads an entry;
// Extract or a double click closes the dialog with it; Cancel, Escape and the
// window's close button close it with nothing chosen. The first 256 bytes of
// the chosen EDID go into the output buffer as the dialog closes with it;
// longer EDIDs stay whole in chosenBytes().
class RegistryExtractor : public QDialog
{
    Q_OBJECT

public:
    explicit RegistryExtractor(QWidget* parent = nullptr);
    ~RegistryExtractor() override;

    // The root of the display store (the DRM connector folders); set it
    // before setOutputBuffer, which reads it.
    void setStoreRoot(const QString& root) { m_storeRoot = root; }
    // Keeps the 256-byte buffer the chosen image is delivered into, and fills
    // the list.
    void setOutputBuffer(Byte* image);

    bool isChosen() const { return m_chosen; }
    QString chosenName() const { return m_chosenName; }
    // The chosen EDID as stored, including any bytes past 256.
    QByteArray chosenBytes() const { return m_chosenBytes; }

public slots:
    void on_edidList_clicked(const QModelIndex& index);
    void on_edidList_doubleClicked(const QModelIndex& index);
    void on_extractButton_clicked();
    void on_cancelButton_clicked();

    void reject() override;

private:
    void deliverChosen();

    Ui::RegistryExtractor* ui;
    QStringListModel* m_model;
    QString m_storeRoot;
    QStringList m_entryPaths;
    Byte* m_output = nullptr;
    QString m_chosenName;
    QByteArray m_chosenBytes;
    int m_chosenRow = -1;
    bool m_chosen = false;
};

#endif
