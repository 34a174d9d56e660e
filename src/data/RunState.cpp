#include "data/RunState.h"

#include "ado/AdoEnums.h"
#include "data/DB_Dll.h"
#include "data/LBM_Common.h"
#include "data/SessionValues.h"
#include "vb/Error.h"

namespace data {

void closeQuietly(DB_Dll& db)
{
    vb::Trap::skipping().run([&] {
        if (const ado::ConnectionPtr& cnn = db.gCnn(); cnn && cnn->State() != ado::adStateClosed)
            cnn->Close();
    });
}

void resetRunState()
{
    closeQuietly(DB_Dll::shared());    // one made here has nothing open
    DB_Dll::setShared(nullptr);
    LBM_Common::RutaArchivoBases.clear();
    resetSessionValues();
}

} // namespace data
