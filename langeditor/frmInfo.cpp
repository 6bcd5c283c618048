// The Info window.
#include "langeditor/frmInfo.h"

#include "base/ProgramVersion.h"
#include "base/mError.h"
#include "langeditor/frmInfo_res.h"

void frmInfo::OnInit()
{
    ShowErrors("frmInfo.Form_Load", [&] {
        const std::optional<ProgramVersion> version = ReadRunningProgramVersion();
        SetItemText(IDC_IN_VERSION, version ? "Version " + VersionText(*version) : "");
    });
}
