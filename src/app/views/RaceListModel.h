#pragma once
// A table model over the rows logic of a race list: texts and icons are made when a row is
// drawn, so a refill costs the rows logic and one model reset, never an item per row.

#include <QAbstractTableModel>
#include <QPixmap>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "session/ColumnWidths.h"

namespace korva {

class SettingsStore;

class RaceListModel : public QAbstractTableModel {
public:
    explicit RaceListModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Takes the rows from the race again (`refill`) or only sorts them again.
    void reload(bool refill);
    void sortBySection(int section);
    // The section sorted by; -1 while the rows keep the race's order.
    virtual int sortSection() const = 0;
    // -1 every bracket; refills.
    void setFilter(int bracket);
    virtual int filter() const = 0;

    // Stored widths of the sections shown.
    virtual ColumnWidthKey widthKey(int section) const = 0;
    virtual int storedWidth(const SettingsStore& settings, int section) const = 0;

    // The pilot or plane number of a row, and back (-1 when it is not listed).
    virtual std::int32_t numberAt(int row) const = 0;
    int rowOf(std::int32_t number) const;

protected:
    // Called between the reset's begin and end.
    virtual void refillRows() = 0;
    virtual void sortRows() = 0;
    virtual void setSortSection(int section) = 0;
    virtual void filterRows(int bracket) = 0;
    virtual int rows() const = 0;
    virtual int sections() const = 0;
    virtual std::string cell(int row, int section) const = 0;
    virtual std::string title(int section) const = 0;
    virtual bool numeric(int section) const = 0;
    virtual QPixmap icon(int row) const = 0;
    virtual QString iconTip(int row) const = 0;
};

// The plumbing shared by the models over a rows class (PilotListRows, PlaneListRows);
// `Number` is the record's number field.
template <typename Rows, auto Number>
class ListRowsModel : public RaceListModel {
public:
    const Rows& list() const { return rows_; }
    int filter() const override { return rows_.filter(); }
    // The record shown in a row; none outside the rows.
    auto recordAt(int row) const {
        return row >= 0 && row < rows() ? rows_.rows()[static_cast<std::size_t>(row)] : nullptr;
    }
    // Read from the numbers kept at the last fill, never through the record: the record
    // may already be deleted when the view asks which rows were selected before a refill.
    std::int32_t numberAt(int row) const override {
        return row >= 0 && row < static_cast<int>(numbers_.size())
                   ? numbers_[static_cast<std::size_t>(row)]
                   : -1;
    }

protected:
    template <typename... Args>
    explicit ListRowsModel(QObject* parent, Args&&... args)
        : RaceListModel(parent), rows_(std::forward<Args>(args)...) {
        keepNumbers();
    }

    void refillRows() override {
        rows_.refill();
        keepNumbers();
    }
    void sortRows() override {
        rows_.sort();
        keepNumbers();
    }
    void filterRows(int bracket) override {
        rows_.setFilter(bracket);
        keepNumbers();
    }
    int rows() const override { return static_cast<int>(rows_.rows().size()); }

    Rows rows_;

    // Call after anything that changes the rows outside the three steps above.
    void keepNumbers() {
        numbers_.clear();
        for (const auto* record : rows_.rows()) numbers_.push_back(record->*Number);
    }

private:
    std::vector<std::int32_t> numbers_;
};

}  // namespace korva
