// SPDX-License-Identifier: GPL-3.0-or-later
// The columns that the runs write in place and NumPy arrays take over, and their storage.
//
// A column of 2 MiB or more lies on transparent huge pages, and when its array goes its storage
// waits for the next run in a small pool (at most kPoolBytes): a sweep of 10^6 points fills 17
// columns of 8 MB, and fresh pages cost the kernel's clearing of every byte, a page fault for every
// 4 KiB without huge pages; the repeated runs of a notebook or a loop take the same columns again.
// The pool is used with the GIL held: capsules are freed with it, and a run without it takes it
// for the pool.
#include "tools/python/module_common.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>

namespace zav::python {

namespace {

// The storage of a column that a NumPy array takes over.
struct ColumnStorage {
    double* data;
    std::size_t bytes; // a multiple of kHugePage for the pooled ones
};
constexpr std::size_t kHugePage = std::size_t(2) << 20;
constexpr std::size_t kPoolBytes = std::size_t(320) << 20;
std::vector<ColumnStorage> g_pool;
std::size_t g_pooledBytes = 0;

void releaseColumn(void* p) {
    auto* storage = static_cast<ColumnStorage*>(p);
    if (storage->bytes >= kHugePage && g_pooledBytes + storage->bytes <= kPoolBytes) {
        g_pool.push_back(*storage);
        g_pooledBytes += storage->bytes;
    } else {
        std::free(storage->data);
    }
    delete storage;
}

} // namespace

void ReleaseColumn::operator()(double* p) const {
    py::gil_scoped_acquire gil;
    releaseColumn(new ColumnStorage{p, bytes});
}

ColumnBuffer allocateColumn(std::size_t count) {
    std::size_t bytes = std::max<std::size_t>(count, 1) * sizeof(double);
    if (bytes < kHugePage) {
        void* p = std::malloc(bytes);
        if (p == nullptr)
            throw std::bad_alloc();
        return ColumnBuffer(static_cast<double*>(p), ReleaseColumn{bytes});
    }
    bytes = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    // A pooled column of the size, or not much larger.
    {
        py::gil_scoped_acquire gil;
        for (std::size_t i = 0; i < g_pool.size(); ++i) {
            if (g_pool[i].bytes >= bytes && g_pool[i].bytes <= 2 * bytes) {
                const ColumnStorage storage = g_pool[i];
                g_pool.erase(g_pool.begin() + static_cast<std::ptrdiff_t>(i));
                g_pooledBytes -= storage.bytes;
                return ColumnBuffer(storage.data, ReleaseColumn{storage.bytes});
            }
        }
    }
    void* p = std::aligned_alloc(kHugePage, bytes);
    if (p == nullptr)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(p, bytes, MADV_HUGEPAGE);
#endif
    return ColumnBuffer(static_cast<double*>(p), ReleaseColumn{bytes});
}

py::array ownedArray(ColumnBuffer buffer, const std::vector<py::ssize_t>& shape) {
    auto storage = std::make_unique<ColumnStorage>(ColumnStorage{buffer.get(), buffer.get_deleter().bytes});
    py::capsule owner(storage.get(), &releaseColumn);
    storage.release();
    double* data = buffer.release();
    return py::array_t<double>(shape, data, owner);
}

py::array vectorArray(std::vector<double>&& values) {
    auto* owned = new std::vector<double>(std::move(values));
    py::capsule owner(owned, [](void* p) { delete static_cast<std::vector<double>*>(p); });
    return py::array_t<double>(static_cast<py::ssize_t>(owned->size()), owned->data(), owner);
}

Columns::Columns(std::size_t count) : m_count(count) {
    for (ColumnBuffer& c : m_data)
        c = allocateColumn(count);
}

std::vector<py::object> Columns::arrays(const std::vector<py::ssize_t>& shape) {
    std::vector<py::object> arrays;
    for (ColumnBuffer& c : m_data)
        arrays.push_back(ownedArray(std::move(c), shape));
    return arrays;
}

void ColumnSink::prepare(long long count) { m_columns.emplace(static_cast<std::size_t>(count)); }

void ColumnSink::point(long long index, const ConvectionState& state, const std::vector<std::string>& warnings) {
    m_columns->set(static_cast<std::size_t>(index), state);
    m_count = index + 1;
    if (!warnings.empty())
        appendUnique(m_warnings, warnings);
}

SweepResult ColumnSink::result() {
    SweepResult r;
    r.count = m_count;
    if (!m_columns)
        m_columns.emplace(0);
    r.columns = m_columns->arrays({static_cast<py::ssize_t>(m_count)});
    r.warnings = std::move(m_warnings);
    return r;
}

} // namespace zav::python
