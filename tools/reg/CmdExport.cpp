#include "tools/reg/Commands.h"

#include "tools/reg/Console.h"
#include "tools/reg/FileIo.h"
#include "tools/reg/RegFileWriter.h"
#include "tools/reg/RegRead.h"
#include "tools/reg/Status.h"

int RunExport(const CRegArguments& args) {
    CRegFile file;
    const LONG status = ReadTree(args.key, file.keys);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeStatus(status));
    std::string bytes, strError;
    if (!WriteRegFile(file, bytes, strError))
        return ReportError("Nothing was exported. " + strError);
    if (!args.bOverwriteFile && FileExists(args.strFile) &&
        ConfirmOrFail("The file \"" + args.strFile + "\" exists. Overwrite it",
                      "The file \"" + args.strFile + "\" exists and was not changed", "/y") != 0)
        return 1;
    if (!WriteWholeFile(args.strFile, bytes, strError))
        return ReportError(strError);
    return ReportSuccess();
}
