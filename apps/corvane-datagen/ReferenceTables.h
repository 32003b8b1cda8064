#pragma once

#include "DemoContent.h"

#include <cstdint>
#include <map>
#include <string>
#include <tuple>

namespace corvane {

class TCatalogue;
class TRandom;

// Fills the reference tables of the demo catalogue (measurement texts, customers, orders,
// nozzles, motors, pictures) and hands out their numbers to the catalogue builder.
class TReferenceTables {
public:
    // Instrument records of the measurement texts.
    static constexpr std::int32_t kTorqueSmall = 101;
    static constexpr std::int32_t kTorqueMedium = 102;
    static constexpr std::int32_t kTorqueLarge = 103;
    static constexpr std::int32_t kPowerThreePhase = 151;
    static constexpr std::int32_t kPowerSinglePhase = 152;
    static constexpr std::int32_t kSoundMeter = 201;
    static constexpr std::int32_t kThreeMicrophones = 204;

    TReferenceTables(TCatalogue& catalogue, TRandom& random, std::int32_t baseDay,
                     TDemoContent& content);

    // Texts, customers and orders.
    void BuildFixed();
    // A day number within the catalogue's years.
    std::int32_t SomeDay();
    // An order for a new series and its serial number within the order.
    std::int32_t SomeOrder(float& serial);

    // Motor of a type (1..6) with a rated power (W) and pole count; made on first use.
    std::int32_t Motor(int type, double ratedPower, int poles);
    // Adds the motors of the types no series uses, so that every type is present.
    void CompleteMotors();
    // Inlet nozzle of a kind ("ED" or "EK") for an impeller of nominal diameter `size`.
    std::int32_t Nozzle(const std::string& kind, int size, double d0);
    // Picture records (sketch and picture file each).
    std::int32_t ImpellerPicture(const std::string& typeText, const TSketchPlan& sketch);
    std::int32_t HousingPicture(int form, int angle);

private:
    TCatalogue& catalogue_;
    TRandom& random_;
    std::int32_t baseDay_;
    TDemoContent& content_;
    std::map<std::tuple<int, int, int>, std::int32_t> motors_;
    std::map<std::pair<std::string, int>, std::int32_t> nozzles_;
    std::map<std::pair<int, int>, std::int32_t> housingPictures_;
    std::map<std::int32_t, float> orderSerials_;
    std::int32_t orderCount_ = 0;
};

} // namespace corvane
