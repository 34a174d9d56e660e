#include "lookup/LookupWindows.h"

#include "lookup/Lib_FrmCons3.h"

#include <QLoggingCategory>

namespace lookup {

namespace {

Q_LOGGING_CATEGORY(lcWindows, "rpq.lookup.windows")

LookupWindows::ListRunner& listRunner()
{
    static LookupWindows::ListRunner runner;
    return runner;
}

LookupWindows::TreeRunner& treeRunner()
{
    static LookupWindows::TreeRunner runner;
    return runner;
}

LookupWindows::TreeRunner& defaultTreeRunner()
{
    static LookupWindows::TreeRunner runner;
    return runner;
}

} // namespace

LookupAnswer LookupWindows::showList(const ListLookupRequest& request)
{
    if (listRunner())
        return listRunner()(request);
    return Lib_FrmCons3::run(request);
}

LookupAnswer LookupWindows::showTree(const TreeLookupRequest& request)
{
    if (treeRunner())
        return treeRunner()(request);
    if (defaultTreeRunner())
        return defaultTreeRunner()(request);
    qCWarning(lcWindows) << "no tree lookup window; not shown:" << request.sql;
    return {};
}

void LookupWindows::setListRunner(ListRunner runner)
{
    listRunner() = std::move(runner);
}

void LookupWindows::setTreeRunner(TreeRunner runner)
{
    treeRunner() = std::move(runner);
}

void LookupWindows::setDefaultTreeRunner(TreeRunner runner)
{
    defaultTreeRunner() = std::move(runner);
}

} // namespace lookup
