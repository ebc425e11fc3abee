// SPDX-License-Identifier: GPL-3.0-or-later
// A 3dz model as vector opens it, and the normals it computes for it.
#include "vector/core/ModelNormals.h"
#include "vector/core/ModelReader.h"
#include "vector/core/NormalRangeError.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vector;
    static const Model empty{};
    Model model;
    try {
        model = readModelBytes({data, size}, size, "fuzz.3dz", empty);
    } catch (const std::exception&) {
        return 0;
    }
    try {
        calculateNormals(model);
    } catch (const NormalRangeError&) {
    }
    return 0;
}
