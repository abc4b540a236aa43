{ whatever
; comment

	{  KEYS 
		Up = 38
	} of KEYS
  Café=été 
Empty=
}
trailing garbage
