#include "DemoFixture.h"

#include "DemoCache.h"
#include "DemoGenerator.h"

#include <stdexcept>

namespace demo {

DemoFixture::DemoFixture(int size, std::uint64_t seed)
{
    if (!m_folder.isValid())
        throw std::runtime_error("no temporary folder for the demo database");
    DemoGenerator::Options options;
    options.database = databaseName();
    options.seed = seed;
    options.size = size;
    DemoCache().fill(m_folder.path(), options);
}

QString DemoFixture::databasePath() const
{
    return DemoGenerator::databasePath(folder(), databaseName());
}

QString DemoFixture::statisticsPath() const
{
    return DemoGenerator::databasePath(folder(), DemoGenerator::statisticsDatabase());
}

QString DemoFixture::connectionString() const
{
    return DemoGenerator::connectionString(folder(), databaseName());
}

} // namespace demo
