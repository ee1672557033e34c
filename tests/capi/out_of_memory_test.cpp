// Running out of memory anywhere inside a call is LUMIVANE_ERROR_OUT_OF_MEMORY (or a
// NULL), never an exception through the C interface: every allocation of each call is
// made to fail in turn. A test program of its own, since it replaces operator new.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "gradient/capi/lumivane.h"

namespace {

long long allocationsLeft = -1;  // -1: no failure armed
bool refused = false;            // whether an allocation was refused since armed

void* Allocate(std::size_t size) {
    if (allocationsLeft == 0) {
        refused = true;
        throw std::bad_alloc();
    }
    if (allocationsLeft > 0) --allocationsLeft;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using Options = std::vector<std::pair<const char*, const char*>>;

lumivane_request* NewRequest(const Options& options) {
    lumivane_request* request = lumivane_request_new();
    EXPECT_NE(request, nullptr);
    EXPECT_EQ(lumivane_request_set(request, "colors", "#ff0000,#00ff00,#0000ff"), LUMIVANE_OK);
    for (const auto& option : options)
        EXPECT_EQ(lumivane_request_set(request, option.first, option.second), LUMIVANE_OK);
    return request;
}

// Runs `call` with its first allocation refused, then its second, and so on until it
// needs no more than it is given: each run that was refused memory must report it, and
// the last one must give what `call` gives with memory to spare. A refusal whose message
// could not be stored keeps its status, with the status's own text.
void FailEachAllocation(const Options& options,
                        const std::function<lumivane_status(lumivane_request*)>& call) {
    lumivane_request* spare = NewRequest(options);
    const lumivane_status expected = call(spare);
    const std::string expectedError = lumivane_request_error(spare);
    lumivane_request_free(spare);
    for (long long allowed = 0; allowed < 100000; ++allowed) {
        lumivane_request* request = NewRequest(options);
        allocationsLeft = allowed;
        refused = false;
        const lumivane_status status = call(request);
        allocationsLeft = -1;
        if (!refused) {
            EXPECT_EQ(status, expected);
            EXPECT_EQ(lumivane_request_error(request), expectedError);
            lumivane_request_free(request);
            return;
        }
        if (status != expected || expected == LUMIVANE_OK)
            EXPECT_EQ(status, LUMIVANE_ERROR_OUT_OF_MEMORY) << allowed << " allocations";
        else EXPECT_STREQ(lumivane_request_error(request), lumivane_status_text(status));
        EXPECT_STRNE(lumivane_request_error(request), "");
        lumivane_request_free(request);
    }
    ADD_FAILURE() << "never done";
}

const char kText[] = "Hello \xF0\x9F\x91\x8B there,\nsecond line";

TEST(CapiOutOfMemory, EveryCallReportsIt) {
    FailEachAllocation({}, [](lumivane_request* request) {
        return lumivane_request_set(request, "face", "Comic Sans MS");
    });
    FailEachAllocation({}, [](lumivane_request* request) {
        return lumivane_request_set(request, "colors", "#ff0000,not a colour");
    });
    FailEachAllocation({}, [](lumivane_request* request) {
        char* line = nullptr;
        std::size_t size = 0;
        const lumivane_status status =
            lumivane_make_line(request, kText, sizeof kText - 1, &line, &size);
        EXPECT_EQ(line == nullptr, status != LUMIVANE_OK);
        lumivane_free(line);
        return status;
    });
    FailEachAllocation({{"max-length", "300"}}, [](lumivane_request* request) {
        char* lines = nullptr;
        std::size_t size = 0;
        const lumivane_status status =
            lumivane_make_lines(request, kText, sizeof kText - 1, &lines, &size);
        lumivane_free(lines);
        return status;
    });
    FailEachAllocation({{"format", "json"}, {"max-length", "200"}}, [](lumivane_request* request) {
        lumivane_run* runs = nullptr;
        std::size_t count = 0;
        const lumivane_status status =
            lumivane_make_runs(request, kText, sizeof kText - 1, &runs, &count);
        lumivane_free(runs);
        return status;
    });
    FailEachAllocation({{"format", "bbcode"}}, [](lumivane_request* request) {
        char buffer[4];
        std::size_t size = 0;
        return lumivane_make_line_into(request, kText, sizeof kText - 1, buffer, sizeof buffer,
                                       &size);
    });
    FailEachAllocation({{"format", "html"}, {"face", "Arial"}}, [](lumivane_request* request) {
        char* line = nullptr;
        std::size_t size = 0;
        return lumivane_make_line(request, "x", 1, &line, &size);
    });
}

TEST(CapiOutOfMemory, ARequestOrTheCatalogIsNullAndCanBeAskedAgain) {
    allocationsLeft = 0;
    EXPECT_EQ(lumivane_request_new(), nullptr);
    const char* catalog = lumivane_catalog_json();
    allocationsLeft = -1;
    if (catalog == nullptr) catalog = lumivane_catalog_json();  // it may have been made before
    ASSERT_NE(catalog, nullptr);
    EXPECT_EQ(catalog[0], '{');
}

}  // namespace
