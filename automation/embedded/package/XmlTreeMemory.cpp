#include "automation/embedded/package/XmlTreeMemory.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>

#include <pugixml.hpp>

namespace dorvane::embedded {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kRegion = std::size_t{16} << 20;
// Larger blocks get a mapping of their own, returned when freed.
constexpr std::size_t kLargeBlock = std::size_t{1} << 20;
constexpr std::uint64_t kMagic = 0x58d1a7e3b40f2c69ull;

struct alignas(16) Header {
    std::size_t size;     // usable bytes after the header
    std::uint64_t magic;  // kMagic for region blocks, ~kMagic for large ones
};

struct FreeBlock {
    FreeBlock* next;
};

class Arena {
public:
    void* Allocate(std::size_t size) {
        size = (size + 15) & ~std::size_t{15};
        if (size >= kLargeBlock) return AllocateLarge(size);
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = free_.find(size);
        if (it != free_.end() && it->second) {
            FreeBlock* block = it->second;
            it->second = block->next;
            return block;
        }
        const std::size_t need = sizeof(Header) + size;
        if (static_cast<std::size_t>(end_ - next_) < need && !NewRegion()) return nullptr;
        auto* header = reinterpret_cast<Header*>(next_);
        next_ += need;
        header->size = size;
        header->magic = kMagic;
        return header + 1;
    }

    void Deallocate(void* pointer) {
        if (!pointer) return;
        Header* header = static_cast<Header*>(pointer) - 1;
        if (header->magic == ~kMagic) {
            ::munmap(header, header->size + sizeof(Header));
            return;
        }
        if (header->magic != kMagic) {
            std::free(pointer);  // from before the allocator was installed
            return;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        auto* block = static_cast<FreeBlock*>(pointer);
        FreeBlock*& head = free_[header->size];
        block->next = head;
        head = block;
    }

    std::size_t Reserved() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return reserved_;
    }

private:
    bool NewRegion() {
        // Over-map by one huge page so the region can start on a boundary.
        void* raw = ::mmap(nullptr, kRegion + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED) return false;
        auto start = reinterpret_cast<std::uintptr_t>(raw);
        std::uintptr_t aligned = (start + kHugePage - 1) & ~(kHugePage - 1);
        if (aligned > start) ::munmap(raw, aligned - start);
        std::uintptr_t tail = aligned + kRegion;
        std::uintptr_t mappedEnd = start + kRegion + kHugePage;
        if (mappedEnd > tail) ::munmap(reinterpret_cast<void*>(tail), mappedEnd - tail);
        ::madvise(reinterpret_cast<void*>(aligned), kRegion, MADV_HUGEPAGE);
        next_ = reinterpret_cast<char*>(aligned);
        end_ = next_ + kRegion;
        reserved_ += kRegion;
        return true;
    }

    static void* AllocateLarge(std::size_t size) {
        void* raw = ::mmap(nullptr, size + sizeof(Header), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED) return nullptr;
        auto* header = static_cast<Header*>(raw);
        header->size = size;
        header->magic = ~kMagic;
        return header + 1;
    }

    mutable std::mutex mutex_;
    std::map<std::size_t, FreeBlock*> free_;
    char* next_ = nullptr;
    char* end_ = nullptr;
    std::size_t reserved_ = 0;
};

// Never destroyed: trees freed during exit still find it.
Arena& TheArena() {
    static Arena* arena = new Arena();
    return *arena;
}

void* AllocateTreeMemory(std::size_t size) { return TheArena().Allocate(size); }
void DeallocateTreeMemory(void* pointer) { TheArena().Deallocate(pointer); }

[[maybe_unused]] const bool installedBeforeMain = (InstallXmlTreeMemory(), true);

}  // namespace

void InstallXmlTreeMemory() {
    static std::once_flag once;
    std::call_once(once, [] { pugi::set_memory_management_functions(&AllocateTreeMemory, &DeallocateTreeMemory); });
}

std::size_t XmlTreeMemoryReserved() { return TheArena().Reserved(); }

}  // namespace dorvane::embedded
