#pragma once
// The bench program: each job registers itself by name; `ulti_bench <job> [args]`.

#include <functional>
#include <string>
#include <vector>

namespace bench {

using Feladat = std::function<int(const std::vector<std::string>& args)>;

// Registers a job; call from a static object in the job's file.
bool regisztral(const std::string& nev, const std::string& leiras, Feladat f);

}  // namespace bench
