#pragma once

#include <string>
#include <vector>

namespace demo {

// Word lists the demo composes names and descriptions from.
namespace DemoNames {
const std::vector<std::string> &surnames();
const std::vector<std::string> &givenNames();
const std::vector<std::string> &companyWords();
const std::vector<std::string> &companyForms();
const std::vector<std::string> &streets();
const std::vector<std::string> &towns();
const std::vector<std::string> &articleNouns();
const std::vector<std::string> &articleQualifiers();
const std::vector<std::string> &articleSizes();
const std::vector<std::string> &services();
// Free-text remarks of purchase documents.
const std::vector<std::string> &remarks();
} // namespace DemoNames

} // namespace demo
