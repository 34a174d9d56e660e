#include "DemoFixture.h"

#include "DemoGenerator.h"

#include <stdexcept>

namespace demo {

DemoFixture::DemoFixture(int size, std::uint64_t seed)
{
    if (!m_folder.isValid())
        throw std::runtime_error("no temporary folder for the demo database");
    DemoGenerator::Options options;
    options.folder = m_folder.path();
    options.database = databaseName();
    options.seed = seed;
    options.size = size;
    DemoGenerator(options).run();
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
