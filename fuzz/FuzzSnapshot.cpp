  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
A  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
'  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
J  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
S  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
O  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
N  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
J  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
S  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
O  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
N  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
N  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
-  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
'  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
#  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
<  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
>  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
#  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
<  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
>  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
#  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
L  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
/  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
C  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
x  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
C  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
L  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
L  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
V  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
M  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
F  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
z  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
z  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
O  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
I  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
8  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
*  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
z  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
z  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
{  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
<  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
*  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
>  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
z  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
=  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
P  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
S  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
!  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
{  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
0  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
}  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
A  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
L  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
S  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
E  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
&  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
*  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
h  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
k  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
A  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
I  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
{  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
F  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
N  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
L  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
C  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
L  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
R  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
L  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
"  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
F  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
E  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
_  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
}  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
C  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
=  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
C  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
*  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
!  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
.  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
E  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
p  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
y  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
:  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
b  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
c  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
C  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
=  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
C  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
{  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
}  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
w  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
F  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
T  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
x  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
F  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
J  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
v  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
d  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
F  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
m  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
J  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
D  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
f  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
C  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
a  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
l  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
o  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
g  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
(  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
*  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
i  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
s  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
,  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
{  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
}  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
)  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
e  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
t  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
u  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
r  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
n  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
   TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
0  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
;  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
}  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }

  TAutorunList now;
  for (const TSnapshotEntry& entry : *entries)
    now.push_back(TAutorunInfo{entry.FileName.value_or(L""), entry.Caption.value_or(L""),
                               entry.RawData.value_or(L""), entry.Target, entry.From,
                               entry.Enabled.value_or(false)});
  (void)FormatDiffText(DiffCatalogue(*entries, now));
  for (const TCatalogueDiff& diff : {DiffCatalogue({}, now), DiffCatalogue(*entries, {})}) {
    (void)FormatDiffText(diff);
    if (!ParseJsonLossless(FormatDiffJson(diff))) std::abort();
  }
