#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The fee schedules of the four eBay sites. The site code picks the schedule at every call, so
// one change of site reaches every calculator holding this object. All amounts are singles in
// the currency of the current site; rates are fractions (0.0525 is 5.25 %). A site code outside
// 1..4 answers 0 to every amount and "" to the currency.
class CAuctionSite
{
public:
    enum SiteCode : qint32 { NoSite = 0, UnitedStates = 1, UnitedKingdom = 2, Canada = 3, Germany = 4 };

    void setSite(qint32 site) { m_site = site; }
    qint32 Site() const { return m_site; }

    QString CurrencyString() const;

    float RealEstateInsertionFee(bool Timeshare, qint32 RealEstateType) const;
    float VehicleInsertionFee(bool Motorcycle) const;
    float VehicleFVF(bool Motorcycle, float Price) const;

    float ListingFeeFirstTierUpper() const;
    float ListingFeeSecondTierUpper() const;
    float ListingFeeThirdTierUpper() const;
    float ListingFeeFirstTier() const;
    float ListingFeeSecondTier() const;
    float ListingFeeThirdTier() const;

    float ReserveSecondTierLower() const;
    float ReserveThirdTier(float Reserve, bool Vehicle) const;

    float FeaturedPlusFee(bool MultipleItems) const;
    float HighlightFee() const;
    float BINFee(bool Vehicle) const;
    float PhotosFee(bool ExtraPictures, qint32 ExtraPicturesChoice, bool Supersize, bool Slideshow) const;
    float GiftIconFee(bool Vehicle) const;
    float ScheduledListingFee(bool Vehicle) const;
    float SubtitleFee() const;
    float GalleryFee(bool Vehicle, bool ExtraPictures, qint32 ExtraPicturesChoice) const;
    float GalleryFeaturedFee(bool Motors, bool Vehicle) const;

    float FVFSecondTierLower() const;
    float FVFThirdTierLower() const;
    float FVFFirstTier() const;
    float FVFSecondTier() const;
    float FVFThirdTier() const;

    float BillpointFlatFee() const;
    float BillpointEcheckRate(bool ReducedRate) const;
    float BillpointCCRate(bool ReducedRate) const;
    float BillpointMax(bool ReducedRate, bool CreditCard) const;
    float BillpointThreshold() const;

    float DefaultConversionRate() const;

    // Stored per site for sites 2..4; ignored (and read as 0) elsewhere.
    void setConversionRate(float rate);
    float ConversionRate() const;

    float PayPalFlatFee() const;
    float PayPalMaxFeeNonCC() const;

    // Used by the calculators only.
    float ListingFeeFourthTierUpper() const;
    float ListingFeeFifthTierUpper() const;
    float ListingFeeSixthTierUpper() const;
    float ListingFeeFourthTier() const;
    float ListingFeeFifthTier() const;
    float ListingFeeSixthTier() const;
    float ListingFeeSeventhTier() const;
    float ReserveThirdTierLower() const;
    float ReserveFirstTier(bool Vehicle) const;
    float ReserveSecondTier(float Reserve, bool Vehicle) const;
    float HomePageFeaturedFee(qint32 Quantity) const;
    float BoldFee(bool Vehicle) const;
    float TenDayAuctionFee(bool Vehicle) const;
    float ListingDesignerFee() const;

    // The extra-picture list's last entry: a pack that includes the gallery picture and supersize.
    static constexpr qint32 PicturePackChoice = 5;

private:
    // One value per site code 0..4; code 0 and codes outside 1..4 read column 0, which is 0.
    using PerSite = std::array<float, 5>;
    float pick(const PerSite &values) const;
    // amount × the stored rate of the current site, formed at each call.
    float timesRate(double amount) const;
    bool isSite(SiteCode code) const { return m_site == code; }

    qint32 m_site = NoSite;
    std::array<float, 3> m_conversionRates{};  // sites 2, 3, 4
};
