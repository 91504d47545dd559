#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <cstring>
#include <vector>

namespace morvane {

// A number for each distinct byte string, for the names of every stored
// line: one lookup per line. A lookup costs little more than the wait for
// its slot, which holds a short name itself, and prefetch() lets a caller
// start that wait a few names ahead.
class NameTable {
public:
    static constexpr int kAbsent = -2;

    static std::uint64_t hashOf(QByteArrayView bytes)
    {
        // Eight bytes at a time, each word mixed in by a multiplication; a
        // name of eight bytes or more ends with its last eight, overlapping.
        const char* p = bytes.data();
        const qsizetype size = bytes.size();
        std::uint64_t hash = 0x9E3779B97F4A7C15u ^ std::uint64_t(size);
        const auto mix = [&hash](std::uint64_t word) {
            hash = (hash ^ word) * 0xBF58476D1CE4E5B9u;
            hash ^= hash >> 29;
        };
        std::uint64_t word = 0;
        if (size < 8) {
            for (qsizetype k = 0; k < size; ++k)
                word |= std::uint64_t(static_cast<unsigned char>(p[k])) << (8 * k);
            mix(word);
        } else {
            for (qsizetype k = 0; k + 8 < size; k += 8) {
                std::memcpy(&word, p + k, 8);
                mix(word);
            }
            std::memcpy(&word, p + size - 8, 8);
            mix(word);
        }
        // The slot comes from the low bits: mix the high ones into them.
        hash ^= hash >> 32;
        hash *= 0x94D049BB133111EBu;
        return hash ^ (hash >> 29);
    }

    void prefetch(std::uint64_t hash) const
    {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[hash & m_mask]);
    }

    // The value stored for the name, or kAbsent.
    int find(QByteArrayView name, std::uint64_t hash) const
    {
        if (m_slots.empty())
            return kAbsent;
        for (std::size_t k = hash & m_mask;; k = (k + 1) & m_mask) {
            const Slot& slot = m_slots[k];
            if (slot.length < 0)
                return kAbsent;
            if (slot.tag == std::uint32_t(hash >> 32) && nameOf(slot) == name)
                return slot.value;
        }
    }

    // For a name not in the table yet.
    void insert(QByteArrayView name, std::uint64_t hash, int value)
    {
        if (4 * (m_count + 1) > 3 * m_slots.size())
            grow();
        Slot slot{std::uint32_t(hash >> 32), value, int(name.size()), {}};
        if (name.size() <= kInline) {
            std::memcpy(slot.bytes, name.data(), std::size_t(name.size()));
        } else {
            const qsizetype at = m_longNames.size();
            std::memcpy(slot.bytes, &at, sizeof at);
            m_longNames.append(name);
        }
        place(slot, hash);
        ++m_count;
    }

private:
    static constexpr qsizetype kInline = 20;

    // Two to a cache line.
    struct alignas(32) Slot {
        std::uint32_t tag; // the hash's high half; its low bits choose the slot
        int value;
        int length; // of the name; -1 for an empty slot
        char bytes[kInline]; // the name, or where it starts in m_longNames
    };

    QByteArrayView nameOf(const Slot& slot) const
    {
        if (slot.length <= kInline)
            return QByteArrayView(slot.bytes, slot.length);
        qsizetype at = 0;
        std::memcpy(&at, slot.bytes, sizeof at);
        return QByteArrayView(m_longNames).sliced(at, slot.length);
    }

    void place(const Slot& slot, std::uint64_t hash)
    {
        std::size_t k = hash & m_mask;
        while (m_slots[k].length >= 0)
            k = (k + 1) & m_mask;
        m_slots[k] = slot;
    }

    void grow()
    {
        std::vector<Slot> old(m_slots.empty() ? 1024 : 2 * m_slots.size(), Slot{0, 0, -1, {}});
        old.swap(m_slots);
        m_mask = m_slots.size() - 1;
        for (const Slot& slot : old)
            if (slot.length >= 0)
                place(slot, hashOf(nameOf(slot)));
    }

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_count = 0;
    QByteArray m_longNames;
};

} // namespace morvane
