#include "qsingleapplication.h"

#include <QSharedMemory>

const char* QSingleApplication::sharedMemoryKey()
{
    return "5b1f2c9e-7a43-4d0b-9e61-3c8f0a2d47b6";
}

QSingleApplication::QSingleApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_sharedMemory(new QSharedMemory(sharedMemoryKey(), this))
{
}

QSingleApplication::~QSingleApplication()
{
    if (m_sharedMemory->isAttached())
        m_sharedMemory->detach();
}

bool QSingleApplication::isFirstInstance()
{
    if (m_sharedMemory->attach(QSharedMemory::ReadOnly)) {
        m_sharedMemory->detach();
        return false;
    }
    return m_sharedMemory->create(1, QSharedMemory::ReadWrite);
}
