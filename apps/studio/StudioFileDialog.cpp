#include "StudioFileDialog.h"

#include <QCoreApplication>

StudioFileDialog::StudioFileDialog(BOOL open, const char* defExt, const char* fileName, DWORD flags,
                                   const QString& filter, const QString& title, CWnd* parent)
    : CFileDialog(open, defExt, fileName, flags, filter.toUtf8().constData(), parent), m_title(title.toUtf8())
{
    m_ofn.lpstrTitle = m_title.constData();
}

QString StudioFileDialog::ExportFilter()
{
    return QCoreApplication::translate("Studio", "PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|"
                                                 "PDF Document (*.pdf)|*.pdf|BMP Image (*.bmp)|*.bmp||");
}
