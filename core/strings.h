// Line lists: an ordered list of 8-bit strings with a text form that joins the
// lines with CR LF. TStrings is the interface that both a plain list and the
// memo's view onto its edit control implement; everything generic (adding,
// assigning, the text form, nested updates) is written once here in terms of
// the few operations a derived list provides.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace au {

class TStrings {
 public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;
  virtual ~TStrings() = default;

  virtual int Count() const = 0;
  // Lines are numbered from 0. What an index outside the list does is the derived
  // list's decision: TStringList throws std::out_of_range.
  virtual std::string Get(int index) const = 0;
  // Replaces line `index`; by default as a deletion followed by an insertion.
  virtual void Put(int index, std::string line);
  // Inserts before line `index`; Count() appends.
  virtual void Insert(int index, std::string line) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  // Appends a line and returns its index.
  int Add(std::string line);
  // Appends every line, inside one update.
  void AddStrings(std::span<const std::string> lines);
  // Replaces the whole list, inside one update: how a stored layout loads its lines.
  void Assign(std::span<const std::string> lines);

  // Every line followed by CR LF, the last one too; "" for an empty list.
  virtual std::string GetText() const;
  // Replaces the list by the lines of `text`, inside one update. A line ends at CR
  // LF, a lone LF or a lone CR (so LF CR ends one line and starts an empty one); a
  // break at the very end adds no empty line; a 0 byte ends the text.
  virtual void SetText(std::string_view text);
  // The same for a text the caller gives up: a list that keeps its text whole
  // (a memo) takes it over instead of holding a second copy of a big file.
  virtual void AdoptText(std::string text) { SetText(text); }

  // Updates nest; only the outermost pair switches the update state, so a derived
  // list can, for instance, stop its control from redrawing for the whole time.
  void BeginUpdate();
  void EndUpdate();

 protected:
  // Called with true when the first update begins and with false when the last ends.
  virtual void SetUpdateState(bool updating) { static_cast<void>(updating); }
  int UpdateCount() const { return updateCount_; }

 private:
  int updateCount_ = 0;
};

// Holds BeginUpdate/EndUpdate around a scope, also when it is left by an exception.
class TStringsUpdate {
 public:
  explicit TStringsUpdate(TStrings& strings) : strings_(strings) { strings_.BeginUpdate(); }
  ~TStringsUpdate() { strings_.EndUpdate(); }
  TStringsUpdate(const TStringsUpdate&) = delete;
  TStringsUpdate& operator=(const TStringsUpdate&) = delete;

 private:
  TStrings& strings_;
};

// A line list that holds its lines itself.
class TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override;
  void Put(int index, std::string line) override;
  void Insert(int index, std::string line) override;
  void Delete(int index) override;
  void Clear() override { lines_.clear(); }

 private:
  // Throws std::out_of_range unless 0 <= index < Count() (<= Count() when `end` is allowed).
  std::size_t CheckedIndex(int index, bool endAllowed = false) const;

  std::vector<std::string> lines_;
};

}  // namespace au
