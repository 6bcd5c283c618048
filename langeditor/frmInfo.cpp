// The Info window.
#include "langeditor/frmInfo.h"

#include "base/mError.h"
#include "langeditor/ProgramVersion.h"
#include "langeditor/frmInfo_res.h"

void frmInfo::OnInit()
{
    ShowErrors("frmInfo.Form_Load", [&] { SetItemText(IDC_IN_VERSION, ProgramVersionLabel()); });
}
