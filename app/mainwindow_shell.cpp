#include "mainwindow.h"

#include <QNetworkReply>

void MainWindow::on_actionExtract_Registry_E_EDID_triggered()
{
}

void MainWindow::on_action_Extract_From_Registry_triggered()
{
    on_actionExtract_Registry_E_EDID_triggered();
}

void MainWindow::on_actionAbout_VQ_Edid_Editor_triggered()
{
}

void MainWindow::on_actionCheck_for_updates_triggered()
{
}

void MainWindow::sendUpdateRequest()
{
}

void MainWindow::fileIsReady(QNetworkReply* reply)
{
    reply->deleteLater();
}
