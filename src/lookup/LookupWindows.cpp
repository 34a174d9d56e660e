#include "lookup/LookupWindows.h"

#include "lookup/Lib_FrmCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"

namespace lookup {

namespace {

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
    return Lib_FrmCons3Tree::run(request);
}

void LookupWindows::setListRunner(ListRunner runner)
{
    listRunner() = std::move(runner);
}

void LookupWindows::setTreeRunner(TreeRunner runner)
{
    treeRunner() = std::move(runner);
}

} // namespace lookup
