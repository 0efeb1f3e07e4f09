#pragma once
// The forecast data table of "VDATA.QVL": a value per frame (1..6), strength class (0..49)
// and stadium (1..24). The file is 24 stadium blocks of 50 records of 12 bytes (six pairs of
// integer byte and fraction byte, the fraction stored increased by the stadium number),
// followed by the edition number as three ASCII digits.
#include <QString>
#include <array>

class ProgramFolder;
class UserInterface;

class ForecastDataTable {
public:
    static constexpr int kFrames = 6;
    static constexpr int kClasses = 50;
    static constexpr int kStadiums = 24;
    static constexpr int kBlockBytes = kClasses * 12;
    static constexpr int kDataBytes = kStadiums * kBlockBytes; // 14400
    static constexpr int kFileBytes = kDataBytes + 3;

    // False until a load has sized the table; lookups then fail.
    bool sized() const { return sized_; }
    // The value at [frame 1..6][class 0..49][stadium 1..24]; error 9 outside the table or
    // before any file was loaded.
    float Value(int frame, int cls, int stadium) const;
    void Set(int frame, int cls, int stadium, float value);
    void Resize(); // sized, all values 0

private:
    bool sized_ = false;
    std::array<float, kFrames * kClasses * kStadiums> values_{};
};

// Loads the file (empty path: "VDATA.QVL" in the program folder) into the table; returns the
// edition, or -1 when the file is missing (table untouched) or cannot be read completely
// (values read so far kept, the error shown once).
int ForecastDataLoad(const QString& path, ForecastDataTable& table, const ProgramFolder& folder, UserInterface& ui);

// The edition number of a file without keeping its values; -1 when missing or incomplete.
int ForecastDataCheck(const QString& path, const ProgramFolder& folder);

// Strength classes of the six boats of a race from their national win rates w[1..6]: the
// standard score among the six, shifted so that the average boat is class 23:
// round(((w - mean) / sd) * 10 + 72) - 49, halves to even. False (d untouched) when all six
// rates are equal (sd 0) or one is not finite; a class outside 0..49 is returned as computed,
// the caller checks it (the recommendation ranking fails on it).
bool StrengthClasses(const std::array<float, 7>& w, std::array<int, 7>& d);

// Encodes a table into the file layout (for the table builder); values are stored to two
// decimals. Every data byte stays below 0x81 when the values lie in [0, 127.99 - stadium/100].
QByteArray ForecastDataEncode(const ForecastDataTable& table, int edition);
