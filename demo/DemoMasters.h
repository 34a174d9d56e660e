#pragma once

#include <string>
#include <vector>

namespace demo {

// What the documents refer to, as written by the master-data step.
struct DemoArticle
{
    std::string id;
    std::string description;
    long costCents = 0;
};

struct DemoMasters
{
    std::vector<std::string> suppliers;
    std::vector<DemoArticle> articles;
    std::vector<std::string> businessUnits;
    std::vector<std::string> purchaseMotives;
    std::vector<std::string> deposits;
    std::vector<std::string> buyers;
};

} // namespace demo
