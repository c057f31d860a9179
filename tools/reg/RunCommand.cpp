#include "tools/reg/Commands.h"

#include "tools/reg/Console.h"
#include "tools/reg/Status.h"

#include "platform/registry/store.h"

int RunCommand(const CRegArguments& args) {
    const LONG status = vexor::registry::checkStore();
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure(std::string("open the registry store for ") + OperationName(args.eOperation),
                                           status));
    switch (args.eOperation) {
    case ERegOperation::Query:
        return RunQuery(args);
    case ERegOperation::Add:
        return RunAdd(args);
    case ERegOperation::Delete:
        return RunDelete(args);
    case ERegOperation::Export:
        return RunExport(args);
    default:
        return RunImport(args);
    }
}
