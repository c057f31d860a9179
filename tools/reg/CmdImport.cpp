#include "tools/reg/Commands.h"

#include "tools/reg/Console.h"
#include "tools/reg/FileIo.h"
#include "tools/reg/RegApply.h"
#include "tools/reg/RegFileParser.h"
#include "tools/reg/Status.h"

#include "platform/registry/store.h"

namespace {

std::string AtLine(const CRegArguments& args, int nLine) {
    return args.strFile + ": line " + std::to_string(nLine) + ": ";
}

} // namespace

// The whole file is read and checked before the store is touched, and then applied as one
// transaction: either every line takes effect or none does.
int RunImport(const CRegArguments& args) {
    std::string bytes, strError;
    if (!ReadRegFile(args.strFile, bytes, strError))
        return ReportError(strError + " Nothing was imported.");
    CRegFile file;
    CRegParseError parseError;
    if (!ParseRegFile(bytes, file, parseError))
        return ReportError(AtLine(args, parseError.nLine) + parseError.strMessage + " Nothing was imported.");
    vexor::registry::Transaction transaction;
    const std::string strAction = "import \"" + args.strFile + "\"";
    if (transaction.status() != ERROR_SUCCESS)
        return ReportError(DescribeFailure(strAction, transaction.status()) + " Nothing was imported.");
    CRegApplyError applyError;
    LONG status = ApplyRegFile(file, applyError);
    if (status != ERROR_SUCCESS)
        return ReportError(AtLine(args, applyError.nLine) + applyError.strWhat + ": " +
                           DescribeStatus(status) + " Nothing was imported.");
    status = transaction.commit();
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure(strAction, status) + " Nothing was imported.");
    return ReportSuccess();
}
