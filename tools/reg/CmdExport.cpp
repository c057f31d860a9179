#include "tools/reg/Commands.h"

#include "tools/reg/Console.h"
#include "tools/reg/FileIo.h"
#include "tools/reg/RegFileWriter.h"
#include "tools/reg/RegRead.h"
#include "tools/reg/Status.h"

#include "platform/registry/store.h"

// The tree is read in one view of the store, so that a change another program commits meanwhile is
// in the file entirely or not at all. The file is replaced only when it is complete.
int RunExport(const CRegArguments& args) {
    const std::string strAction = "export " + args.key.FullPath() + " to \"" + args.strFile + "\"";
    CRegFile file;
    LONG status = ERROR_SUCCESS;
    {
        vexor::registry::ReadScope view;
        status = ReadTree(args.key, file.keys);
    }
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure(strAction, status));
    std::string bytes, strError;
    bool bTaken = false;
    if (!WriteRegFile(file, bytes, strError) ||
        !CheckExportTarget(args.strFile, vexor::registry::storePath(), bTaken, strError))
        return ReportError("Nothing was exported: " + strError);
    if (!args.bOverwriteFile && bTaken &&
        ConfirmOrFail("The file \"" + args.strFile + "\" exists. Overwrite it",
                      "The file \"" + args.strFile + "\" exists and was not changed", "/y") != 0)
        return 1;
    if (!ReplaceFile(args.strFile, bytes, strError))
        return ReportError("Nothing was exported: " + strError);
    return ReportSuccess();
}
