#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "edid.h"
#include "imagefile.h"

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <memory>

namespace Ui { class MainWindow; }
class QLabel;
class QMessageBox;
class QNetworkAccessManager;
class QNetworkReply;
class QSettings;
class EditHistory;
class RecentFiles;

// The program's only top-level window. It owns the saved and the working
// image and the document, and turns the user's commands into the document
// lifecycle. The document counts as modified exactly when the two images
// differ in any byte.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    bool openFile(const char* path);
    // Opens the file named on the command line; a text dump leaves Save disabled.
    void openArgument(const char* path);
    void loadDocument(const T_EDID_DEF& decoded);
    bool saveFile(const QString& path);
    bool maybeSave();
    bool isModified() const;
    bool hasDocument() const { return !m_noDocument; }

    Edid& document();
    const Byte* savedImage() const { return m_saved; }
    const Byte* workingImage() const { return m_working; }
    QByteArray extraBlocks() const { return m_tail.blocks; }
    const ImageTail& imageTail() const { return m_tail; }
    QString currentPath() const { return m_currentPath; }
    QString styleSheetText() const { return m_styleSheet; }
    RecentFiles& recentFiles() { return *m_recent; }
    EditHistory& history() { return *m_history; }

    void setDrmRoot(const QString& root) { m_drmRoot = root; }
    void setUpdateUrl(const QUrl& url) { m_updateUrl = url; }

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // An answer to an update check was dealt with: announced, ignored or failed.
    void updateAnswerHandled();

public slots:
    void on_actionOpen_triggered();
    void on_actionExtract_Registry_E_EDID_triggered();
    void on_rev3RB_released();
    void on_rev4RB_released();
    void on_actionNew_triggered();
    void on_actionSave_As_triggered();
    void on_actionSave_triggered();
    void on_actionSaveTool_triggered();
    void on_actionOpenTool_triggered();
    void on_actionSaveAsTool_triggered();
    void on_actionExit_triggered();
    void on_action_Extract_From_Registry_triggered();
    void on_action_New_Tool_triggered();
    void on_actionCEA_861_EB_triggered(bool checked);
    void on_actionAbout_VQ_Edid_Editor_triggered();
    void on_actionCheck_for_updates_triggered();
    void on_actionExport_Hexa_Array_triggered();
    void on_actionHexa_Viewer_triggered(bool checked);
    void on_actionImport_triggered();
    void on_actionHexaViewerTool_triggered(bool checked);
    void fileIsReady(QNetworkReply* reply);
    void openRecent(const QString& path);
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void switchToRev3();
    void switchToRev4();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static QString readStyleSheet();
    void setupLogos();
    void showEditors();
    void fillTab(int index);
    void commitPendingEdit();
    void setSaveEnabled(bool enabled);
    void closeFloatingViewer();
    void setFloatingViewerOpen(bool open);
    void switchRevision(Word revision);
    void askSwitchVersion(const QString& text, void (MainWindow::*yesSlot)(),
                          void (MainWindow::*noSlot)());
    void dismissSwitchQuestion();
    bool confirmCEAChange(const QString& text, const QString& question);
    void insertCEATab();
    void removeCEATab();
    bool exportTextDump(const QString& path);
    bool writeFile(const QString& path, const QByteArray& bytes);
    void openFromDialog(const QString& caption, const QString& dir, const QString& filter,
                        bool alwaysDisableSave);
    bool acceptImage(const QByteArray& raw);
    void sendUpdateRequest();
    QNetworkAccessManager* network();
    void handleUpdateAnswer(QNetworkReply* reply);
    void restoreWindowGeometry();
    void openDroppedOrRecent(const QString& path);
    void showDocument(const T_EDID_DEF& decoded);
    void setupHistory();
    void restoreImages(const QByteArray& image, const QByteArray& extra);

    Ui::MainWindow* ui;
    // Before the document: its editors are polished once, under the style sheet.
    QString m_styleSheet;
    Byte m_saved[EDID_IMAGE_SIZE] = {};
    Byte m_working[EDID_IMAGE_SIZE] = {};
    ImageTail m_tail;
    // Made when first needed, in the tabs: a start without a file shows none
    // of its editors.
    std::unique_ptr<Edid> m_edid;
    QString m_currentPath;
    bool m_noDocument = true;
    bool m_untitled = false;
    bool m_updateReported = false;
    // Made with the first update check: setting up the network takes
    // longer than showing the window.
    QNetworkAccessManager* m_network = nullptr;
    QSettings* m_settings;
    RecentFiles* m_recent;
    EditHistory* m_history;
    QLabel* m_logo;
    QLabel* m_cornerLogo;
    QWidget* m_ceaTab;
    QPointer<QMessageBox> m_switchQuestion;
    QString m_drmRoot = "/sys/class/drm";
    QUrl m_updateUrl;
};

#endif
