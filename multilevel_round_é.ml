{ MULTILEVEL
  Name= Stra√üe ‚Ç¨ Ì†ΩÌ∏Ä a=b 
  =
  { KEYS
    Count=-3
    { 
      √©=–ñ
    }
  }
}
