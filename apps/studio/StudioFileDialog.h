// The studio's file dialogs: the common file dialog with a title and a filter
// in the user's language.
#pragma once

#include "platform/wnd/CFileDialog.h"

#include <QByteArray>
#include <QString>

class StudioFileDialog : public CFileDialog {
public:
    // filter in the framework's "Desc|*.a;*.b|...||" form.
    StudioFileDialog(BOOL open, const char* defExt, const char* fileName, DWORD flags, const QString& filter,
                     const QString& title, CWnd* parent = nullptr);

    // The charts' export formats, one filter for every page of the studio.
    static QString ExportFilter();

private:
    QByteArray m_title;  // the dialog reads its title when it runs
};
