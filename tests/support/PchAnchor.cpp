// The one source of zodiora_test_pch, the target that builds the precompiled
// GoogleTest header every GoogleTest program of the suite shares.
