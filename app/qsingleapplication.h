#ifndef QSINGLEAPPLICATION_H
#define QSINGLEAPPLICATION_H

#include <QApplication>

class QSharedMemory;

// Application object that can tell whether another copy of the program
// holds the shared one-byte segment. Start-up does not ask: several copies
// may run side by side.
class QSingleApplication : public QApplication
{
    Q_OBJECT
public:
    QSingleApplication(int& argc, char** argv);
    ~QSingleApplication() override;

    bool isFirstInstance();

    static const char* sharedMemoryKey();

private:
    QSharedMemory* m_sharedMemory;
};

#endif
