#include "io/SimulatedDisk.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace jet::test {

namespace {

constexpr size_t kSector = 512;

jet::Status Injected(const char* what)
{
    return jet::Errors::DiskError(std::string("injected ") + what + " failure");
}

void Apply(std::vector<uint8_t>& bytes, uint64_t offset, const uint8_t* data, size_t length)
{
    if (offset + length > bytes.size())
        bytes.resize(offset + length);
    std::memcpy(bytes.data() + offset, data, length);
}

} // namespace

class SimulatedDisk::DiskFile final : public jet::File {
public:
    DiskFile(SimulatedDisk& disk, std::shared_ptr<Inode> inode)
        : m_disk(disk)
        , m_inode(std::move(inode))
    { }

    jet::Status Read(uint64_t offset, uint8_t* out, size_t length) override
    {
        std::lock_guard lock(m_disk.m_mutex);
        const auto& bytes = m_inode->current;
        if (offset > bytes.size() || length > bytes.size() - offset)
            return jet::Errors::UnexpectedEnd("simulated");
        std::memcpy(out, bytes.data() + offset, length);
        return jet::Status::OK();
    }

    jet::Status Write(uint64_t offset, const uint8_t* data, size_t length) override
    {
        std::lock_guard lock(m_disk.m_mutex);
        if (!m_disk.Operate()) {
            // Half of it reached the drive's cache.
            const size_t half = length / 2;
            Apply(m_inode->current, offset, data, half);
            m_inode->pending.push_back({false, offset, std::vector<uint8_t>(data, data + half)});
            return Injected("write");
        }
        Apply(m_inode->current, offset, data, length);
        m_inode->pending.push_back({false, offset, std::vector<uint8_t>(data, data + length)});
        return jet::Status::OK();
    }

    jet::Result<uint64_t> Size() override
    {
        std::lock_guard lock(m_disk.m_mutex);
        return static_cast<uint64_t>(m_inode->current.size());
    }

    jet::Status Truncate(uint64_t size) override
    {
        std::lock_guard lock(m_disk.m_mutex);
        if (!m_disk.Operate())
            return Injected("truncate");
        m_inode->current.resize(size);
        m_inode->pending.push_back({true, size, {}});
        return jet::Status::OK();
    }

    jet::Status Sync() override
    {
        std::lock_guard lock(m_disk.m_mutex);
        if (!m_disk.Operate(/*sync=*/true))
            return Injected("sync");
        m_inode->durable = m_inode->current;
        m_inode->pending.clear();
        return jet::Status::OK();
    }

private:
    SimulatedDisk& m_disk;
    std::shared_ptr<Inode> m_inode;
};

class SimulatedDisk::DiskJournal final : public jet::JournalLocation {
public:
    DiskJournal(SimulatedDisk& disk, std::string name)
        : m_disk(disk)
        , m_name(std::move(name))
    { }

    const std::string& path() const override { return m_name; }
    jet::Result<bool> Exists() override
    {
        std::lock_guard lock(m_disk.m_mutex);
        return m_disk.m_folder.count(m_name) > 0;
    }

    jet::Result<std::unique_ptr<jet::File>> Open(bool create) override
    {
        std::lock_guard lock(m_disk.m_mutex);
        if (m_disk.m_folder.count(m_name) == 0) {
            if (!create)
                return jet::Errors::FileNotFound(m_name);
            if (!m_disk.Operate())
                return Injected("create");
            m_disk.m_folder[m_name] = std::make_shared<Inode>();
        }
        return std::unique_ptr<jet::File>(new DiskFile(m_disk, m_disk.m_folder[m_name]));
    }

    jet::Result<std::unique_ptr<jet::File>> OpenForReading() override { return Open(false); }

    jet::Status Remove() override
    {
        std::lock_guard lock(m_disk.m_mutex);
        if (m_disk.m_folder.count(m_name) == 0)
            return jet::Status::OK();
        if (!m_disk.Operate())
            return Injected("remove");
        m_disk.m_folder.erase(m_name);
        return jet::Status::OK();
    }

    jet::Status SyncDirectory() override
    {
        std::lock_guard lock(m_disk.m_mutex);
        if (!m_disk.Operate())
            return Injected("folder sync");
        m_disk.m_durable = m_disk.m_folder;
        return jet::Status::OK();
    }

private:
    SimulatedDisk& m_disk;
    std::string m_name;
};

void SimulatedDisk::Put(const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::lock_guard lock(m_mutex);
    auto inode = std::make_shared<Inode>();
    inode->current = bytes;
    inode->durable = bytes;
    m_folder[name] = inode;
    m_durable[name] = inode;
}

std::vector<uint8_t> SimulatedDisk::Bytes(const std::string& name) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_folder.find(name);
    return it == m_folder.end() ? std::vector<uint8_t>() : it->second->current;
}

bool SimulatedDisk::Exists(const std::string& name) const
{
    std::lock_guard lock(m_mutex);
    return m_folder.count(name) > 0;
}

std::unique_ptr<jet::File> SimulatedDisk::Open(const std::string& name)
{
    std::lock_guard lock(m_mutex);
    auto& inode = m_folder[name];
    if (!inode)
        inode = std::make_shared<Inode>();
    return std::make_unique<DiskFile>(*this, inode);
}

std::unique_ptr<jet::JournalLocation> SimulatedDisk::Journal(const std::string& name)
{
    return std::make_unique<DiskJournal>(*this, name);
}

void SimulatedDisk::FailOnce(uint64_t k)
{
    std::lock_guard lock(m_mutex);
    m_failOnce = k == 0 ? 0 : m_operations + k;
}

void SimulatedDisk::FailFrom(uint64_t k)
{
    std::lock_guard lock(m_mutex);
    m_failFrom = k == 0 ? 0 : m_operations + k;
}

void SimulatedDisk::Heal()
{
    std::lock_guard lock(m_mutex);
    m_failOnce = 0;
    m_failFrom = 0;
    m_failSync = false;
}

void SimulatedDisk::FailNextSync()
{
    std::lock_guard lock(m_mutex);
    m_failSync = true;
}

bool SimulatedDisk::Operate(bool sync)
{
    ++m_operations;
    if (sync && m_failSync) {
        m_failSync = false;
        return false;
    }
    if (m_failOnce != 0 && m_operations == m_failOnce)
        return false;
    return m_failFrom == 0 || m_operations < m_failFrom;
}

void SimulatedDisk::PowerCut(std::mt19937& rng)
{
    std::lock_guard lock(m_mutex);
    std::bernoulli_distribution coin(0.5);
    // Creations and removals not yet synced may or may not have happened.
    std::set<std::string> names;
    for (const auto& [name, inode] : m_folder)
        names.insert(name);
    for (const auto& [name, inode] : m_durable)
        names.insert(name);
    std::map<std::string, std::shared_ptr<Inode>> folder;
    for (const auto& name : names) {
        const auto now = m_folder.find(name);
        const auto kept = m_durable.find(name);
        const auto nowInode = now == m_folder.end() ? nullptr : now->second;
        const auto keptInode = kept == m_durable.end() ? nullptr : kept->second;
        const auto chosen = nowInode == keptInode ? nowInode : coin(rng) ? nowInode : keptInode;
        if (chosen)
            folder[name] = chosen;
    }
    // Each file: its synced bytes, then some of the rest, sector by sector.
    std::set<Inode*> done;
    for (auto& [name, inode] : folder) {
        if (!done.insert(inode.get()).second)
            continue;
        std::vector<uint8_t> bytes = inode->durable;
        for (const Pending& p : inode->pending) {
            if (p.truncate) {
                if (coin(rng))
                    bytes.resize(p.offset);
                continue;
            }
            for (size_t at = 0; at < p.data.size(); at += kSector) {
                if (coin(rng))
                    Apply(bytes, p.offset + at, p.data.data() + at, std::min(kSector, p.data.size() - at));
            }
        }
        inode->current = bytes;
        inode->durable = std::move(bytes);
        inode->pending.clear();
    }
    m_folder = folder;
    m_durable = std::move(folder);
    Heal();
}

} // namespace jet::test
